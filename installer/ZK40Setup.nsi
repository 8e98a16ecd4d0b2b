; ZK40Setup.exe: installs the ZK40 driver from the install folder image.
; The user picks English or Simplified Chinese; that choice lays down the
; matching skin set, writes skins\languagetype.ini (1 for Chinese, 0 for
; English) and the factory language choice the first start copies.
;
; Silent install for administrators and tests:
;   ZK40Setup.exe /S [/LANG=en|sc] [/D=C:\install\folder]
; The uninstaller removes exactly the files the installer laid down, its
; shortcuts and its registry entries, and never the user's data folder.
;
; Defined on the makensis command line:
;   IMAGE        the install folder image (English skins)
;   SC_SKINS     the Simplified Chinese skins folder
;   FILES_NSH    the generated list of installed files (InstalledFiles.nsh)
;   VERSION      major.minor.patch
;   IMAGE_ICON   the program's icon (.ico)
;   WELCOME_BITMAP  the wizard's side picture (164 x 314), cut from the skin
;   OUTFILE      the installer to write

; A 64-bit installer for the 64-bit program: native Program Files and registry.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define PRODUCT "Ostrel ZK40 Gaming Mouse Driver"
!define PUBLISHER "Ostrel"
!define PROGRAM "ZK40Driver.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\OstrelZK40"
!define START_MENU_FOLDER "$SMPROGRAMS\Ostrel ZK40"
; The languages of the program's own numbering, written to the factory Language.cfg.
!define LANGUAGE_NUMBER_SC 1
!define LANGUAGE_NUMBER_EN 2

Name "$(ProductName)"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Ostrel\ZK40"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${PUBLISHER}"

!define MUI_ABORTWARNING
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${WELCOME_BITMAP}"
!define MUI_ICON "${IMAGE_ICON}"
!define MUI_UNICON "${IMAGE_ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString ProductName ${LANG_ENGLISH} "${PRODUCT}"
LangString ProductName ${LANG_SIMPCHINESE} "Ostrel ZK40 游戏鼠标驱动程序"
LangString RunningText ${LANG_ENGLISH} "The ZK40 driver is running. Close it from its tray icon, then press OK to go on."
LangString RunningText ${LANG_SIMPCHINESE} "ZK40 驱动程序正在运行。请从托盘图标退出它，然后按“确定”继续。"
LangString BadLanguageText ${LANG_ENGLISH} "Unknown language. Use /LANG=en or /LANG=sc."
LangString BadLanguageText ${LANG_SIMPCHINESE} "未知的语言。请使用 /LANG=en 或 /LANG=sc。"
LangString UninstallLinkText ${LANG_ENGLISH} "Uninstall ZK40 Driver"
LangString UninstallLinkText ${LANG_SIMPCHINESE} "卸载 ZK40 驱动程序"

; Waits for a running driver to be closed: its window is the only one with
; the program's title. A silent run does not wait; it ends with code 3.
!macro WaitForDriverClosed
  ${Do}
    FindWindow $0 "#32770" "${PRODUCT}"
    ${IfThen} $0 = 0 ${|} ${ExitDo} ${|}
    ${If} ${Silent}
      SetErrorLevel 3
      Quit
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONEXCLAMATION "$(RunningText)" IDOK +2
    Quit
  ${Loop}
!macroend

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/LANG=" $1
  ${IfNot} ${Errors}
    ${If} $1 == "en"
      StrCpy $LANGUAGE ${LANG_ENGLISH}
    ${ElseIf} $1 == "sc"
      StrCpy $LANGUAGE ${LANG_SIMPCHINESE}
    ${Else}
      ${IfNot} ${Silent}
        MessageBox MB_OK|MB_ICONSTOP "$(BadLanguageText)"
      ${EndIf}
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${ElseIf} ${Silent}
    StrCpy $LANGUAGE ${LANG_ENGLISH}
  ${Else}
    ; The language question; its answer is also the driver's language.
    !insertmacro MUI_LANGDLL_DISPLAY
  ${EndIf}
FunctionEnd

Section "Install"
  !insertmacro WaitForDriverClosed
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${IMAGE}\*.*"
  ${If} $LANGUAGE = ${LANG_SIMPCHINESE}
    SetOutPath "$INSTDIR\skins"
    File /r "${SC_SKINS}\*.*"
    StrCpy $1 1
    StrCpy $2 ${LANGUAGE_NUMBER_SC}
  ${Else}
    StrCpy $1 0
    StrCpy $2 ${LANGUAGE_NUMBER_EN}
  ${EndIf}
  WriteINIStr "$INSTDIR\skins\languagetype.ini" "languagetype" "value" $1
  ; The factory Language.cfg: one 32-bit little-endian language number.
  FileOpen $3 "$INSTDIR\Language.cfg" w
  FileWriteByte $3 $2
  FileWriteByte $3 0
  FileWriteByte $3 0
  FileWriteByte $3 0
  FileClose $3

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "${START_MENU_FOLDER}"
  CreateShortcut "${START_MENU_FOLDER}\ZK40 Driver.lnk" "$INSTDIR\${PROGRAM}"
  CreateShortcut "${START_MENU_FOLDER}\$(UninstallLinkText).lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Installer Language" $LANGUAGE
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  ; The uninstaller speaks the language the driver was installed in.
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "Installer Language"
  ${If} $0 != ""
    StrCpy $LANGUAGE $0
  ${EndIf}
FunctionEnd

Section "Uninstall"
  !insertmacro WaitForDriverClosed
  SetShellVarContext all
  ; Only what the installer laid down; a file the user added keeps its folder.
  !include "${FILES_NSH}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES64\Ostrel"
  Delete "${START_MENU_FOLDER}\*.lnk"
  RMDir "${START_MENU_FOLDER}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
