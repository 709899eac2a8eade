// Resource, command and control ids of the Windows program, shared by the .rc script and the C++ code.
// Plain #defines only: windres reads this file too, so it holds no C++ and includes no system header.
#pragma once

#include "resource_ids.h"

// Main frame template: menu, accelerator table, icon and document string share this id.
#define IDR_MAINFRAME 128
// Pop-up menu of the looks (entries 215 to 218).
#define IDR_LOOK_MENU 200
// Toolbar layout and its 48 by 48 PNG image strip share this id.
#define IDR_TOOLBAR 338

// About box.
#define IDD_ABOUT 100
#define IDC_ABOUT_WEBSITE_LINK 1000
#define IDC_ABOUT_SUPPORT_LINK 1001
#define IDC_ABOUT_SALES_LINK 1002
#define IDC_ABOUT_TITLE 1003
#define IDC_ABOUT_RIGHTS 1004
#define IDC_ABOUT_PRODUCT 1005

// Strings.
#define IDS_OLE_INIT_FAILED 100
#define IDS_TOOLBAR_STANDARD 124
#define IDS_TOOLBAR_CUSTOMIZE 125
#define IDS_INDICATOR_CAPS 130
#define IDS_INDICATOR_NUM 131
#define IDS_INDICATOR_SCRL 132
#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345

// Menu, toolbar and accelerator commands; each also has a string "prompt\ntooltip" under its id.
#define ID_MENU_SELECT_FILES 32773
#define ID_MENU_REMOVE_FILES 32774
#define ID_MENU_REPAIR_FILES 32775
#define ID_MENU_ABOUT 32785
#define ID_MENU_SOFTWARE_HELP 32788
#define ID_MENU_BROWSE_FOLDER 32802
#define ID_MENU_SAVE_FILES 32804
#define ID_MENU_VISIT_WEBPAGE 32806

// Generic commands sent by the accelerator table and the File menu.
#define ID_CMD_NEW 57600
#define ID_CMD_OPEN 57601
#define ID_CMD_SAVE 57603
#define ID_CMD_EDIT_COPY 57634
#define ID_CMD_EDIT_CUT 57635
#define ID_CMD_EDIT_PASTE 57637
#define ID_CMD_EDIT_UNDO 57643
#define ID_CMD_EXIT 57665
#define ID_CMD_NEXT_PANE 57680
#define ID_CMD_PREV_PANE 57681

// Looks; the chosen id is stored as "ApplicationLook".
#define ID_LOOK_FIRST 210
#define ID_LOOK_CLASSIC 210
#define ID_LOOK_OFFICE_XP 211
#define ID_LOOK_WINDOWS_XP 212
#define ID_LOOK_OFFICE_2003 213
#define ID_LOOK_VS_2005 214
#define ID_LOOK_OFFICE_2007_BLUE 215
#define ID_LOOK_OFFICE_2007_BLACK 216
#define ID_LOOK_OFFICE_2007_SILVER 217
#define ID_LOOK_OFFICE_2007_AQUA 218
#define ID_LOOK_LAST 218
#define ID_LOOK_DEFAULT ID_LOOK_OFFICE_2007_BLUE

// Frame panes.
#define ID_MAIN_TOOLBAR 0xE800
#define ID_MAIN_STATUSBAR 0xE801

// Controls of the workspace view and the frame's logo.
#define ID_VANTOR_LIST_CTRL 1
#define ID_VANTOR_BTN_SELECT_FILES 2
#define ID_VANTOR_BTN_REMOVE_FILES 3
#define ID_VANTOR_BTN_SAVE_FILES 4
#define ID_VANTOR_EDIT_CTRL 5
#define ID_VANTOR_RICH_EDIT_CTRL 7
#define ID_VANTOR_BROWSE_EDIT_CTRL 8
#define IDC_VANTOR_STATIC 9
#define ID_VANTOR_BTN_BROWSE 10
#define ID_VANTOR_BTN_STOP 11
#define ID_VANTOR_BTN_EXIT 12
#define ID_VANTOR_SCAN_LIST_CTRL 13
#define ID_OPEN_OFFICE_CALC_NC_BUTTON 14
#define IDC_VANTOR_STATIC_PICTURE_CTRL 15
#define ID_CHECK_BTN_EXTRACT_FILE_CONTENT 16
#define ID_FIRST_PROGRESS_CTRL 18
#define ID_VANTOR_BTN_RECOVER_FILES 307
#define ID_SECOND_PROGRESS_CTRL 57666

// Bitmaps (BMP), with their sizes in pixels.
#define IDB_FOOTER_LEFT 311       // 64 x 62, drawn at the bottom left in its own size
#define IDB_FOOTER_STRIP 312      // 820 x 62, stretched across the bottom
#define IDB_HEADER_STRETCH 315    // 100 x 72, stretched from x = 400 to the right edge
#define IDB_HEADER_BANNER 316     // 842 x 72, drawn at the top left in its own size
#define IDB_SPLASH 319            // 460 x 260, magenta (255, 0, 255) is cut out of the window
#define IDB_ABOUT_BACKGROUND 327  // 360 x 334
#define IDB_MAKER_LOGO 330        // 250 x 50
#define IDB_LIST_ICONS 351        // 60 x 20: red cross, green tick, plain icon; magenta is the mask colour
#define IDB_LIST_BACKGROUND 352   // 850 x 300, scaled behind the source file list

// PNG images with alpha (resource type "PNG"); the button images are 20 x 20.
#define IDB_PNG_SELECT_FILES 331
#define IDB_PNG_REPAIR_FILES 332
#define IDB_PNG_REMOVE_FILES 333
#define IDB_PNG_STOP 334
#define IDB_PNG_EXIT 335
#define IDB_PNG_BROWSE 336
#define IDB_PNG_SAVE 337
#define IDB_PNG_TOOLBAR 338       // 336 x 48: seven 48 by 48 images in toolbar order
#define IDB_PNG_OK 359            // 16 x 16

// Image sizes that code depends on.
#define LIST_ICON_SIZE 20
#define TOOLBAR_IMAGE_SIZE 48
#define BUTTON_IMAGE_SIZE 20      // 331 to 337
#define OK_BUTTON_IMAGE_SIZE 16   // 359, sized for a 14-unit dialog button
#define LIST_ICON_MASK_RGB 0xFF00FF

// Cursor: the hand shown over the logo.
#define IDC_LINK_CURSOR 354
