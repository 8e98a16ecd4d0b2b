// Resource ids of the driver's dialog templates, pictures and icons.
#pragma once

#define IDD_MAIN            102
#define IDD_PAGE_BUTTONS    103
#define IDD_PAGE_LIGHTING   104
#define IDD_PAGE_MACROS     105
#define IDD_PAGE_STATISTICS 106
#define IDD_PAGE_SUPPORT    107
#define IDD_CHOOSER         108
#define IDD_CHOOSER_COMBO   109
#define IDD_CHOOSER_MACRO   110
#define IDD_CHOOSER_BASIC   111
#define IDD_CHOOSER_ADVANCE 112
#define IDD_INFO            113
#define IDD_PROGRESS        114
