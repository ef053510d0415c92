// Identifiers shared by the board loader's dialog templates and its window code.
#ifndef LOADER_VELK_KT_RES_H
#define LOADER_VELK_KT_RES_H

#define IDC_COMBOBOX1 101
#define IDC_COMBOBOX3 102
#define IDC_LABEL1 103
#define IDC_LABEL2 104
#define IDC_CBSIEMENSLOAD 105
#define IDC_COMBOBOX2 106
#define IDC_BITBTN15 107
#define IDC_CBXILINXLOAD 108
#define IDC_CBXILINXFILE 109
#define IDC_BITBTN1 110
#define IDC_BSLVERIFYBOX 111
#define IDC_BBDOWNLOAD 112
#define IDC_BITBTN3 113
#define IDC_BITBTN14 114
#define IDC_BITBTN13 115
#define IDC_BITBTN2 116

#define IDC_DEBUGLIST 201
#define IDC_DEBUGCLOSE 202

#define IDT_TIMER1 1

/* Help context numbers of the application help file. */
#define HELP_EXIT 2
#define HELP_MICROCONTROLLER 3
#define HELP_FPGA 4
#define HELP_DOWNLOAD_BOOTSTRAP 5
#define HELP_DOWNLOAD_SECS 6

#endif
