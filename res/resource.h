#pragma once
// Resource ids shared by quorvel.rc and the code. Plain #defines so that the
// resource compiler reads this file too.

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
#define IDD_MULTIGROUP 139
#define IDD_GROUP_EDIT 140
#define IDD_VERSION 146

// Strings.
#define IDS_VERSION_ITEM 101

// Controls.
#define IDC_MEMBER_LIST 1000
#define IDC_GROUP_LIST 1001
#define IDC_MEMO 3
#define IDC_SERVER_FIELD 1004
#define IDC_GROUP_FIELD 1005
#define IDC_REFRESH 1007
#define IDC_GROUP_MANAGE 1013
#define IDC_SHOWN_GROUP 1039
#define IDC_PROXY_INPUT 1075
#define IDC_GROUP_EDIT_LIST 1078
#define IDC_ADD 1079
#define IDC_CLOSE_OR_DELETE 1080
#define IDC_MODIFY 1081
#define IDC_EDITION_LABEL 1086
