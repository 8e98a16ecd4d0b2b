/*
 * The report descriptor of the ZK40 as the virtual mouse presents it, and as
 * the emulated mouse hands it to the hidraw layer: one top-level collection
 * (the system exposes only the first one) holding the protocol's feature value
 * and the data blocks' output value, both under the vendor usage the program
 * looks for. Plain C, for the driver and for the C++ code alike.
 */
#ifndef ZK40_REPORT_DESCRIPTOR_H
#define ZK40_REPORT_DESCRIPTOR_H

#define ZK40_REPORT_ID 5
#define ZK40_FEATURE_BYTES 64
#define ZK40_OUTPUT_BYTES 32

static const unsigned char zk40_report_descriptor[] = {
    0x06, 0x01, 0xFF,         /* usage page 0xFF01 */
    0x09, 0x22,               /* usage 0x22 */
    0xA1, 0x01,               /* collection (application) */
    0x85, ZK40_REPORT_ID,     /*   report id */
    0x15, 0x00,               /*   logical minimum 0 */
    0x26, 0xFF, 0x00,         /*   logical maximum 255 */
    0x75, 0x08,               /*   report size 8 */
    0x09, 0x22,               /*   usage 0x22 */
    0x95, ZK40_FEATURE_BYTES, /*   report count */
    0xB1, 0x02,               /*   feature (data, variable, absolute) */
    0x09, 0x22,               /*   usage 0x22 */
    0x95, ZK40_OUTPUT_BYTES,  /*   report count */
    0x91, 0x02,               /*   output (data, variable, absolute) */
    0xC0,                     /* end collection */
};

#endif
