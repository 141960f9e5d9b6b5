#pragma once
// Resource ids shared by quorvel.rc and the code: the one place a control id
// is written down. Plain #defines so that the resource compiler reads this
// file too. Several dialogs reuse a number for different controls; each
// dialog's names come in a block of their own.

// Explorer and the taskbar show the exe with its lowest icon id: the
// multi-group board's image, the window the program opens.
#define IDI_PROGRAM 1

// Icons.
#define IDI_PERSONAL 128
#define IDI_PERSONAL_TRAY 129
#define IDI_GROUP_TRAY 130
#define IDI_MULTIGROUP_TRAY 131
#define IDI_MULTIUSER_TRAY 132
#define IDI_UNIVERSAL 143
#define IDI_MULTIGROUP 144
#define IDI_CHOOSER 145
#define IDI_MEMBER 147
#define IDI_GROUP 148
#define IDI_MULTIUSER 149

// Dialog templates.
#define IDD_ABOUT 100
#define IDD_EDITION_SELECT 102
#define IDD_PERSONAL 129
#define IDD_GROUP 130
#define IDD_MEMO_COMPOSE 131
#define IDD_SETTINGS 133
#define IDD_BUTTON_CUSTOMIZE 134
#define IDD_MULTIUSER 135
#define IDD_GROUP_STATUS_LIST 136
#define IDD_MESSAGE_BOARD 137
#define IDD_MULTIGROUP 139
#define IDD_GROUP_EDIT 140
#define IDD_USER_EDIT 141
#define IDD_VERSION 146

// Strings.
#define IDS_VERSION_ITEM 101

// System-menu commands.
#define IDM_VERSION 16
#define IDM_EDITION_SELECT 32
#define IDM_AUTO_REFRESH 48
#define IDM_MEMO_NOTICE 64

// Member views: multi-group window (139), group window (130), group status
// list (136).
#define IDC_MEMBER_LIST 1000
#define IDC_GROUP_LIST 1001
#define IDC_MEMO 3
#define IDC_REFRESH 1007
#define IDC_GROUP_MANAGE 1013
#define IDC_SHOWN_GROUP 1039
#define IDC_PROXY_INPUT 1075
#define IDC_CLOSE_WINDOW 1080
#define IDC_OWN_INPUT 1002
#define IDC_OWN_SETTINGS 1008
#define IDC_GROUP_PROXY_INPUT 1009
#define IDC_GROUP_MEMO 1010

// Group edit dialog (140).
#define IDC_GROUP_EDIT_LIST 1078
#define IDC_GROUP_EDIT_SERVER 1004
#define IDC_GROUP_EDIT_GROUP 1005
#define IDC_GROUP_EDIT_ADD 1079
#define IDC_GROUP_EDIT_MODIFY 1081
#define IDC_GROUP_EDIT_DELETE 1080

// Status panel: personal window (129) and multi-user window (135).
#define IDC_PANEL_NAME 1023
#define IDC_PANEL_CODE 1024
#define IDC_PANEL_GROUP 1025
#define IDC_PANEL_STATUS 1026
#define IDC_PANEL_REMARK 1027
#define IDC_PANEL_LAST_UPDATE 1042
#define IDC_PANEL_CHECK_MEMOS 1044
#define IDC_PANEL_GROUP_LIST 1037
#define IDC_PANEL_DISAPPEAR 1038
#define IDC_PANEL_ICONISE 1011
#define IDC_PERSONAL_SETTINGS 1039
#define IDC_MULTIUSER_USERS 1039
#define IDC_MULTIUSER_USER 1068
// Status buttons 1 to 21, three to a row from the top left.
#define IDC_STATUS_BUTTON1 1028
#define IDC_STATUS_BUTTON2 1029
#define IDC_STATUS_BUTTON3 1030
#define IDC_STATUS_BUTTON4 1031
#define IDC_STATUS_BUTTON5 1032
#define IDC_STATUS_BUTTON6 1033
#define IDC_STATUS_BUTTON7 1034
#define IDC_STATUS_BUTTON8 1035
#define IDC_STATUS_BUTTON9 1036
#define IDC_STATUS_BUTTON10 1040
#define IDC_STATUS_BUTTON11 1041
#define IDC_STATUS_BUTTON12 1043
#define IDC_STATUS_BUTTON13 1045
#define IDC_STATUS_BUTTON14 1046
#define IDC_STATUS_BUTTON15 1047
#define IDC_STATUS_BUTTON16 1048
#define IDC_STATUS_BUTTON17 1049
#define IDC_STATUS_BUTTON18 1050
#define IDC_STATUS_BUTTON19 1051
#define IDC_STATUS_BUTTON20 1052
#define IDC_STATUS_BUTTON21 1053

// Settings dialog (133).
#define IDC_SETTINGS_NAME 1040
#define IDC_SETTINGS_CODE 1005
#define IDC_SETTINGS_GROUP 1041
#define IDC_SETTINGS_SERVER 1042
#define IDC_SETTINGS_CREATE 1048
#define IDC_SETTINGS_BUTTONS 1043

// Button customize dialog (134): label n in box 1005 + n.
#define IDC_LABEL_BOX1 1006
#define IDC_LABEL_BOX21 1026

// Memo compose dialog (131).
#define IDC_MEMO_TEXT 1004
#define IDC_MEMO_NAME 1005
#define IDC_MEMO_CODE 1006
#define IDC_MEMO_GROUP 1007

// Message board dialog (137).
#define IDC_BOARD_NAME 1004
#define IDC_BOARD_CODE 1005
#define IDC_BOARD_GROUP 1006
#define IDC_BOARD_LIST 1046
#define IDC_BOARD_DELETE 1047
#define IDC_BOARD_REFRESH 1048

// User edit dialog (141).
#define IDC_USER_EDIT_LIST 1085
#define IDC_USER_EDIT_SERVER 1004
#define IDC_USER_EDIT_GROUP 1005
#define IDC_USER_EDIT_CODE 1006
#define IDC_USER_EDIT_NAME 1007
#define IDC_USER_EDIT_ADD 1083
#define IDC_USER_EDIT_MODIFY 1082
#define IDC_USER_EDIT_DELETE 1084
#define IDC_USER_EDIT_BUTTONS 1086

// Edition chooser (102).
#define IDC_CHOOSE_PERSONAL 1045
#define IDC_CHOOSE_GROUP 1046
#define IDC_CHOOSE_MULTIUSER 1047
#define IDC_CHOOSE_MULTIGROUP 1048

// Version panel (146).
#define IDC_EDITION_LABEL 1086
