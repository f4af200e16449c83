/* Resource identifiers shared by the .rc files and the program. */
#ifndef KRELMOT_RESOURCES_RESOURCEIDS_H
#define KRELMOT_RESOURCES_RESOURCEIDS_H

#define IDS_CLASS_NAME 104
#define IDS_TITLE 105
#define IDM_MAIN 109
#define IDI_MAIN 177

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
