// Resource and control ids of the station details dialog, shared by the
// resource script and the code.

#ifndef STATS_STATION_STATION_DIALOG_IDS_H_
#define STATS_STATION_STATION_DIALOG_IDS_H_

#define IDD_STATION 101
#define RT_DIALOG_INIT 240
// The message the initialisation records send to fill the category list:
// CB_ADDSTRING, which the resource compiler does not see.
#define DLG_INIT_ADD_ITEM 0x0143
#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_CATEGORY 1013

#endif  // STATS_STATION_STATION_DIALOG_IDS_H_
