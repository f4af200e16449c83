/* Resource identifiers shared by the .rc files and the program. */
#ifndef KRELMOT_RESOURCES_RESOURCEIDS_H
#define KRELMOT_RESOURCES_RESOURCEIDS_H

#define IDS_CLASS_NAME 104
#define IDS_TITLE 105
#define IDM_MAIN 109
#define IDI_MAIN 177

#endif
