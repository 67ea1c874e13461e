// Resource and control ids of the long-term agenda. Shared by longterm.rc and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Buttons
#define IDC_LEAVE_SAVING 1  // "Aceptar"
#define IDC_LEAVE 2         // "Salir"
#define IDC_STORE_RECORD 3  // "Ok"
#define IDC_NEW_RECORD 5    // "+"
#define IDC_DELETE_RECORD 6 // "X"

// List and editor
#define IDC_RECORD_LIST 100
#define IDC_YEAR_FIELD 111
#define IDC_MONTH_FIELD 112
#define IDC_NOTE_FIELD 113

// Menu commands
#define IDM_ABOUT 801
