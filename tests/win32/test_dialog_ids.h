// Ids of the dialog the dialog-helper tests drive.
#pragma once

#define IDD_TEST_DIALOG 100
#define IDC_TEST_EDIT 101
#define IDC_TEST_LIST 102
#define IDC_TEST_COMBO 103
