// Resource and control ids of the notes agenda. Shared by notes.rc and the code.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main dialog buttons
#define IDC_LEAVE_SAVING 1 // "&Aceptar"
#define IDC_LEAVE 2        // "&Salir"
#define IDC_COMMIT_NOTE 3  // "&aceptar"
#define IDC_DELETE_NOTE 4  // "&elimina"
#define IDC_NEW_NOTE 5     // "&nueva"

// Period radio buttons
#define IDC_PERIOD_ALL 50
#define IDC_PERIOD_TODAY 51
#define IDC_PERIOD_WEEK 52
#define IDC_PERIOD_NEXT_WEEK 53
#define IDC_PERIOD_MONTH 55
#define IDC_PERIOD_NEXT_MONTH 56
#define IDC_PERIOD_CHOSEN_MONTH 57

// Month and year of the chosen-month period
#define IDC_MONTH_COMBO 60
#define IDC_YEAR_COMBO 61

// Editor and list
#define IDC_WEEKDAY_LABEL 10
#define IDC_NOTE_LIST 100
#define IDC_NOTE_TEXT 110
#define IDC_NOTE_DATE 112

// Menu commands
#define IDM_STARTUP_ENTRY 300
#define IDM_EDIT_TOOLS 501
#define IDM_HELP 800
#define IDM_ABOUT 801

// Start-menu installer dialog DlgIni; its "Aceptar" and "Salir" are IDOK and IDCANCEL, so
// Enter carries out the action and Escape or the close box leaves
#define IDC_INSTALL_STATE 20        // "INSTALADO en menú INICIO" or not
#define IDC_INSTALL_ACTION 21       // "Acción: INSTALAR" or "DESINSTALAR"
#define IDC_PROGRAM_FOLDER_BUTTON 3 // "···" beside the program folder
#define IDC_STARTUP_FOLDER_BUTTON 4 // "···" beside the start-up folder
#define IDC_PROGRAM_NAME 100
#define IDC_PROGRAM_FOLDER 101
#define IDC_STARTUP_FOLDER 102

// Tools dialog DlgTools. "esc" is IDCANCEL, so Escape and the close box close it too; there is
// no control 1, so Enter sends command 1, which moves the focus on to the next field
#define IDC_NEW_TOOL 3          // "+"
#define IDC_DELETE_TOOL 4       // "-"
#define IDC_TOOL_UP 5           // "^"
#define IDC_TOOL_DOWN 6         // "v"
#define IDC_BROWSE_TOOL_FILE 10 // "···"
#define IDC_STORE_TOOL 15       // "<- ok"
#define IDC_SAVE_TOOLS 20       // "Ok"
#define IDC_CLOSE_TOOLS 2       // "esc"
#define IDC_TOOLS_LABEL 30
#define IDC_TOOL_TITLE_LABEL 31
#define IDC_TOOL_FILE_LABEL 32
#define IDC_TOOL_DIRECTORY_LABEL 33
#define IDC_TOOL_PARAMETERS_LABEL 34
#define IDC_TOOL_LIST 40
#define IDC_TOOL_BOX 150   // frames the four fields
#define IDC_TOOL_TITLE 100 // the four fields, in the order of Tools.rel
#define IDC_TOOL_FILE 101
#define IDC_TOOL_DIRECTORY 102
#define IDC_TOOL_PARAMETERS 103
