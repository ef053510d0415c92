/* Control, bitmap and timer identifiers of the diagnostic program, shared by
   the resource script and the code. Plain #defines: the resource compiler
   reads this file too. Row controls use base + row (row 0..19). */
#ifndef DIAG_IDS_H
#define DIAG_IDS_H

/* Main dialog "PAN_DIAG" */
#define IDC_CHOOSE_FILE_0 101
#define IDC_CHOOSE_FILE_1 102
#define IDC_CHOOSE_FILE_2 103
#define IDC_COM_BOX 104
#define IDC_EDIT_FILE_0 105
#define IDC_EDIT_FILE_1 106
#define IDC_EDIT_FILE_2 107
#define IDC_TABS 108
#define IDC_PORT_1 109
#define IDC_PORT_8 116
#define IDC_EXIT 117
#define IDC_FILE_NAME_0 201
#define IDC_FILE_NAME_1 202
#define IDC_FILE_NAME_2 203
#define IDC_HEADER_LED 542
#define IDC_HEADER_CODEUR 546
#define IDC_HEADER_SWITCH 547
#define IDC_LINK_OFF 548
#define IDC_LINK_ON 549
#define IDC_LOGO 554

/* Header row of every polling panel */
#define IDC_COUNTDOWN 450
#define IDC_LAMP_0 560
#define IDC_COMPUTER 593
#define IDC_BOARD 594
#define IDC_HOURGLASS_LEFT 595
#define IDC_HOURGLASS_RIGHT 596

/* Point panels: row bases */
#define IDC_ROW_CHECK 101
#define IDC_ROW_SENSOR_ON 121
#define IDC_ROW_SEPARATOR 151
#define IDC_SELECT_ALL 180
#define IDC_DESELECT_ALL 181
#define IDC_ROW_SENSOR_OFF 201
#define IDC_ROW_NAME 251
#define IDC_ROW_LED_OFF 301
#define IDC_ROW_LED_ON 351
#define IDC_ROW_ARROW 401
#define IDC_ROW_VALUE 451
#define IDC_ROW_SWITCH_OFF 201
#define IDC_ROW_SWITCH_ON 121

/* Custom panel "PAN_CUSTOM" */
#define IDC_CUSTOM_ADDRESS 103
#define IDC_CUSTOM_DATA 106
#define IDC_CUSTOM_NODE 108
#define IDC_CUSTOM_PARAMETER_GROUP 113
#define IDC_CUSTOM_DECIMAL 114
#define IDC_CUSTOM_HEXA 115
#define IDC_CUSTOM_RESULT_GROUP 116
#define IDC_CUSTOM_VALUE 451
#define IDC_CUSTOM_ACTION 666

/* Debug panel "PAN_DEBUG" */
#define IDC_DEBUG_LIST 531
#define IDC_DEBUG_PICTURE_1 566
#define IDC_DEBUG_PICTURE_2 567

/* About panel "PAN_VOLTARN" */
#define IDC_ABOUT_TEXT 101
#define IDC_ABOUT_PICTURE_1 543
#define IDC_ABOUT_PICTURE_2 544

/* No-response dialog "PAN_NOT_CONNECTED" */
#define IDC_NO_RESPONSE_TEXT 103
#define IDC_NO_RESPONSE_BANNER 600
#define IDC_NO_RESPONSE_CABLE 610

/* Bitmaps */
#define BMP_EXIT 1701
#define BMP_LED_OFF 1702
#define BMP_SENSOR_OFF 1703
#define BMP_ARROW 1704
#define BMP_LED_ON 1705
#define BMP_SELECT_ALL 1706
#define BMP_DESELECT_ALL 1707
#define BMP_FOLDER 1708
#define BMP_SWITCH_OFF 1709
#define BMP_SWITCH_ON 1710
#define BMP_SENSOR_ON 1711
#define BMP_NOTEPAD 1712
#define BMP_HEADER_LED 1720
#define BMP_HEADER_SWITCH 1721
#define BMP_HEADER_CODEUR 1722
#define BMP_CABLE_UNPLUGGED 1723
#define BMP_CABLE_PLUGGED 1724
#define BMP_LOGO 1725
#define BMP_COMPUTER 1726
#define BMP_BOARD 1727
#define BMP_HOURGLASS 1728
#define BMP_ORDER_REJECTED 1729
#define BMP_LAMP 1730
#define BMP_CONTINUE 1862

/* Panel timers: 887 + panel index */
#define TIMER_LED_PHOTO 887
#define TIMER_DEBUG 891

#endif
