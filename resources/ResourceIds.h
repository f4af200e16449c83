/* Resource identifiers shared by the .rc files and the program. */
#ifndef KRELMOT_RESOURCES_RESOURCEIDS_H
#define KRELMOT_RESOURCES_RESOURCEIDS_H

#define IDS_CLASS_NAME 104
#define IDS_TITLE 105
#define IDM_MAIN 109
#define IDI_MAIN 177

/* The options sheet's pages and their controls; a control's id is also the
   id of its text in the string table. */
#define IDD_OPTIONS_BASE 129
#define IDD_OPTIONS_DEBUG_BASE 130
#define IDD_OPTIONS_ADVANCED 131
#define IDD_OPTIONS_DEBUG_ADVANCED 132

#define IDC_SOUND 1064
#define IDC_INTRO 1072
#define IDC_RELIGION_GROUP 1062
#define IDC_ATHEIST 1063
#define IDC_CHRISTIAN 1059
#define IDC_JEWISH 1067
#define IDC_MUSLIM 1068
#define IDC_ELSE 1065
#define IDC_COLOUR_GROUP 1035
#define IDC_COLOUR 1088

#define IDC_SIZE_GROUP 1050
#define IDC_WIDTH_LABEL 1005
#define IDC_WIDTH 1003
#define IDC_WIDTH_SPIN 1004
#define IDC_HEIGHT_LABEL 1007
#define IDC_HEIGHT 1002
#define IDC_HEIGHT_SPIN 1001
#define IDC_DEFAULT_SIZE 1081
#define IDC_ROBOTS_GROUP 1048
#define IDC_BASE_LABEL 1044
#define IDC_BASE 1042
#define IDC_BASE_SPIN 1043
#define IDC_ADDED_LABEL 1047
#define IDC_ADDED 1045
#define IDC_ADDED_SPIN 1046
#define IDC_DEFAULT_ROBOTS 1049
#define IDC_TIMES_GROUP 1051
#define IDC_MOVE_LABEL 1038
#define IDC_MOVE 1037
#define IDC_MOVE_SPIN 1008
#define IDC_MOVE_TEST 1055
#define IDC_TELE_LABEL 1040
#define IDC_TELE 1039
#define IDC_TELE_SPIN 1009
#define IDC_TELE_TEST 1057
#define IDC_SONIC_LABEL 1052
#define IDC_SONIC 1041
#define IDC_SONIC_SPIN 1010
#define IDC_SONIC_TEST 1056
#define IDC_HELLO_LABEL 1054
#define IDC_HELLO 1053
#define IDC_HELLO_SPIN 1011
#define IDC_HELLO_TEST 1058
#define IDC_REX_LABEL 1060
#define IDC_REX 1066
#define IDC_REX_SPIN 1014
#define IDC_REX_TEST 1061

#define IDC_GRID 1012
#define IDC_IMMORTAL 1013
#define IDC_INI_GROUP 1069
#define IDC_INI_PATH 1032
#define IDC_WAVE_LABEL 1074
#define IDC_WAVES 1073
#define IDC_BITMAP_LABEL 1075
#define IDC_BITMAPS 1015
#define IDC_BITMAP_PREVIEW 1026

#define IDC_PIECES 1036

/* Toolbar strips (eight 32 x 32 buttons each) and the about box's picture. */
#define IDB_TOOLBAR_HOT 181
#define IDB_TOOLBAR_NORMAL 196
#define IDB_ABOUT 268

/* Sounds, resource type "WAVE". */
#define IDW_TELEPORT 196
#define IDW_SONIC 200
#define IDW_HELLO 201
#define IDW_DEATH 202
#define IDW_REFUSAL 203
#define IDW_LEVEL_DONE 206
#define IDW_ROBOTS_DESTROYED 207
#define IDW_THANK_YOU 238

#endif
