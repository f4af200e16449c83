/* The help and about dialogs: templates, controls and help texts, shared by
   resources/AboutDialogs.rc and the dialogs' code. Control ids are also the
   ids of their texts. */
#ifndef KRELMOT_DIALOGS_HELPABOUTIDS_H
#define KRELMOT_DIALOGS_HELPABOUTIDS_H

#define IDD_HELP 103
#define IDC_HELP_TEXT 1077
#define IDC_HELP_TITLE 1078
#define IDC_HELP_THANKS 1080

#define IDD_ABOUT 264
#define IDC_ABOUT_WEB 1085
#define IDC_ABOUT_MAIL 1086
#define IDC_ABOUT_OK 1090
#define IDC_ABOUT_CREDITS 1091

/* Type-23 texts. */
#define IDT_HELP_ENGLISH 263
#define IDT_HELP_FRENCH 225

#endif
