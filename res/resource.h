// Identifiers of the program's resources and controls. Values are fixed: the
// tests and the templates depend on them. A test checks that no value repeats.

// Dialogs, icons, bitmaps and strings.
#define IDD_ABOUTBOX                100
#define IDS_ABOUTBOX                101
#define IDD_TANDREL_DIALOG          102
#define IDP_SOCKETS_INIT_FAILED     103
#define IDR_MAINFRAME               128
#define IDD_EDIT_MAPPING            129
#define IDD_FIND_DEVICE             130
#define IDB_STATE_IMAGES            131

// Controls of the port list window.
#define IDC_PORT_LIST               1000
#define IDC_NEW                     1001
#define IDC_EDIT                    1002
#define IDC_DELETE                  1003
#define IDC_CONFIGURE_QV            1004
#define IDC_APPLY                   1017

// Controls of the edit dialog.
#define IDC_DEVICE_IP               1005
#define IDC_FIND                    1006
#define IDC_DEVICE_PORT             1007
#define IDC_COM_LIST                1008
#define IDC_COM_LABEL               1009
#define IDC_CONFIGURE               1011
#define IDC_PROTOCOL                1014

// Controls of the device finder.
#define IDC_SEARCH_AGAIN            1012
#define IDC_DEVICE_TREE             1013

// System menu command of the about box (the low four bits are the system's).
#define IDM_ABOUTBOX                0x0010

#ifndef IDC_STATIC
#define IDC_STATIC                  (-1)
#endif
