/* Identifiers of every resource and control of the program.
   Read by the resource compiler and by C++, so plain #defines only. */
#ifndef TARVEX_RESOURCE_H
#define TARVEX_RESOURCE_H

/* Dialog templates */
#define IDD_CALCULATOR_DIALOG 102
#define IDD_ABOUTBOX 135

/* Icons, cursors, bitmaps */
#define IDI_MAIN_ICON 128
#define IDC_HAND_POINTER 109
#define IDB_IMPRINT_SAMPLE 130

/* Initial list data of a dialog: its own resource type, same id as the template */
#define RT_TARVEX_DLGINIT 240
/* Combo box add-string code of the initial-data records */
#define DLGINIT_CB_ADDSTRING 0x0403

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Main dialog */
#define IDC_SIZE1 1000
#define IDC_DPI 1001
#define IDC_CALC_PIXELS 1002
#define IDC_PIXELS_RESULT 1003
#define IDC_PIXELS 1004
#define IDC_SIZE2 1005
#define IDC_CALC_DPI 1006
#define IDC_DPI_RESULT 1007
#define IDC_SIDE 1008
#define IDC_FORMAT 1015
#define IDC_ABOUT_ICON 1022
/* The imprint picture's rectangle in dialog units: the program scales the
   bitmap to it when the dialog is not laid out at 96 DPI. */
#define IMPRINT_PICTURE_X 7
#define IMPRINT_PICTURE_Y 236
#define IMPRINT_PICTURE_CX 196
#define IMPRINT_PICTURE_CY 50

/* About box */
#define IDC_AUTHOR 118
#define IDC_HOME_LINK 1007
#define IDC_MAIL_LINK 1008
#define IDC_VERSION 1060

/* Standard Help command */
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

#endif
