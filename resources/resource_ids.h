/* Control ids of the input dialogs DLGBOX1 to DLGBOX5; read by the resource
   compiler and C++. OK and Cancel are IDOK (1) and IDCANCEL (2). */
#ifndef HOSHIKURA_RESOURCE_IDS_H
#define HOSHIKURA_RESOURCE_IDS_H

#define IDC_FULL_NAME_EDIT 1000
#define IDC_SURNAME_EDIT 1001
#define IDC_GOOD_SEARCH 1002
#define IDC_BAD_SEARCH 1003
#define IDC_NAME_PROMPT 1004
#define IDC_QUERY_PROMPT 1005
#define IDC_READING_EDIT 1006
#define IDC_QUERY_OK 1007
#define IDC_KANJI_EDIT 1008
#define IDC_GIVEN_NAME_EDIT 1009
#define IDC_COMPOSE_EDIT 1010

#endif
