// Resource ids shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128

// Texts of the remaining-time display and the appointments.
#define IDS_PREPOSITION_FIRST 1505  // 1505..1511: "bis" .. "bis zu meinen"
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
#define IDS_NO_APPOINTMENT 1527
#define IDS_LIST_FILE_FILTER 1530
#define IDS_LIST_FILE_NAME 1531
#define IDS_LIST_FILE_EXT 1532

// Numbered messages: error N has id 1900 + N, warning N has id 2000 + N.
#define IDS_ERROR_FIRST 2000
#define IDS_ERROR_LAST 2008
#define IDS_WARNING_FIRST 2500
#define IDS_WARNING_LAST 2501

#define IDS_APP_NAME 57344
