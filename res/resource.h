// Resource ids shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128           // the application icon
#define IDR_TIMER_MENU 130          // right-click menu of the timer window: one pop-up
#define IDR_TIMER_ACCEL 135         // keys of the timer window
#define IDR_DIALOG_ACCEL 136        // keys of the dialogs and the settings sheet: F1 only

// Dialog templates.
#define IDD_TERMINE_PAGE 107        // settings sheet, page "Termine"
#define IDD_INFO 129                // "Info"
#define IDD_TERMIN 131              // "Termin anlegen/bearbeiten"
#define IDD_DISPLAY_PAGE 132        // settings sheet, page "Anzeige"
#define IDD_SCHEMA_SAVE 134         // "Schema speichern"
#define IDD_TERMIN_IMPORT 137       // "Termine importieren"
#define IDD_DBLCLK_PAGE 138         // settings sheet, page "Doppel-Klick"

// Controls of the dialogs.
#define IDC_INFO_ICON 1001
#define IDC_VERSION_LINE 1002
#define IDC_LEGAL_LINE 1003
#define IDC_LIST 1004               // the appointment lists (pages, import, About)
#define IDC_NEW 1005
#define IDC_CHANGE 1006
#define IDC_DELETE 1007
#define IDC_DATE 1008
#define IDC_TIME 1009
#define IDC_YEARLY 1010
#define IDC_DESCRIPTION 1011
#define IDC_PREPOSITION 1012
#define IDC_DISPLAY_TYPE 1013
#define IDC_TEXT_COLOR 1014
#define IDC_BACK_COLOR 1015
#define IDC_SAMPLE 1016
#define IDC_START_COLOR 1017
#define IDC_END_COLOR 1018
#define IDC_FADING_SAMPLE 1019
#define IDC_FADING_SPEED 1020
#define IDC_TRANSPARENT 1021
#define IDC_SCHEMES 1022
#define IDC_SCHEME_SAVE 1023
#define IDC_SCHEME_DELETE 1024
#define IDC_SCHEME_NAME 1025
#define IDC_EXPORT 1028
#define IDC_IMPORT 1029
#define IDC_DBLCLK_COMMAND 1032
#define IDC_IMPORT_FRAME 1090        // the etched frame around the import list
#define ID_APPLY_NOW 12321          // the settings sheet's apply button

// Commands of the timer window's menu and accelerators.
#define ID_HELP 9                   // help for the active window (F1)
#define ID_ALWAYS_ON_TOP 40002
#define ID_TASKBAR_ICON 40003
#define ID_TRAY_NOTIFY 40004        // not a command: callback message of the tray icon
#define ID_SETTINGS 40005
#define ID_HELP_START_PAGE 40006
#define ID_BORDER 40007
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665

// Column headings of the appointment lists.
#define IDS_COLUMN_TERMIN 1500
#define IDS_COLUMN_YEARLY 1501
#define IDS_COLUMN_DESCRIPTION 1502

// Texts of the remaining-time display and the appointments.
#define IDS_PREPOSITION_FIRST 1505  // 1505..1511: "bis" .. "bis zu meinen"
#define IDS_PREPOSITION_LAST 1511
#define IDS_DAY_ONE_LONG 1512
#define IDS_DAYS_LONG 1513
#define IDS_HOUR_ONE 1514
#define IDS_HOURS 1515
#define IDS_MINUTE_ONE 1516
#define IDS_MINUTES 1517
#define IDS_SECOND_ONE 1518
#define IDS_SECONDS 1519
#define IDS_DAYS_SHORT 1520
#define IDS_DUE_DATE_FORMAT 1521
#define IDS_TIP_DAYS_LEFT 1522
#define IDS_SAMPLE_FIRST 1523       // 1523..1525: one sample per display type
#define IDS_SAMPLE_LAST 1525
#define IDS_SETTINGS_CAPTION 1526
#define IDS_NO_APPOINTMENT 1527
#define IDS_CONFIRM_DELETE_ONE 1528
#define IDS_CONFIRM_DELETE_MANY 1529
#define IDS_LIST_FILE_FILTER 1530
#define IDS_LIST_FILE_NAME 1531
#define IDS_LIST_FILE_EXT 1532
#define IDS_TERMIN_DATE_NOT_SHOWN 1533  // the stored date as argument

// Numbered messages: error N has id 1900 + N, warning N has id 2000 + N.
#define IDS_ERROR_FIRST 2000
#define IDS_ERROR_LAST 2008
#define IDS_WARNING_FIRST 2500
#define IDS_WARNING_LAST 2501
#define IDS_ERR_UNEXPECTED 2000       // FEHLER 100
#define IDS_ERR_TICKER_START 2001     // FEHLER 101
#define IDS_ERR_NO_DESCRIPTION 2002   // FEHLER 102
#define IDS_ERR_NO_SCHEMA_NAME 2003   // FEHLER 103
#define IDS_ERR_NO_HELP_FILE 2004     // FEHLER 104
#define IDS_ERR_OPEN_FOR_WRITE 2005   // FEHLER 105, the path as argument
#define IDS_ERR_WRITE 2006            // FEHLER 106, the path as argument
#define IDS_ERR_OPEN_FOR_READ 2007    // FEHLER 107, the path as argument
#define IDS_ERR_READ 2008             // FEHLER 108, the path as argument
#define IDS_WARN_INVALID_LINES 2500   // WARNUNG 500
#define IDS_WARN_NO_ENTRIES 2501      // WARNUNG 501

#define IDS_APP_NAME 57344

// Message dialog and help display.
#define IDS_HELP_PAGE_FAILED 3000
#define IDS_ONLINE_HELP_FAILED 3001
#define IDS_CAPTION_ERROR 3002
#define IDS_CAPTION_WARNING 3003
#define IDS_MESSAGE_CLOSE 3004
#define IDS_MESSAGE_HELP 3005

// Display page: the style list and schemes the registry refuses.
#define IDS_DISPLAY_TYPE_FIRST 3010    // 3010..3012: "kompakt", "standard", "erweitert"
#define IDS_DISPLAY_TYPE_LAST 3012
#define IDS_SCHEMA_NAME_TOO_LONG 3013  // the longest name as argument
#define IDS_SCHEMA_SAVE_FAILED 3014    // the scheme name as argument
#define IDS_SCHEMA_DELETE_FAILED 3015  // the scheme name as argument
