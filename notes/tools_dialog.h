// The dialog DlgTools, in which the user edits the list of external tools.
#pragma once
#include <string>

namespace notes {

// Runs DlgTools, with no owner window, on a copy of Tools(): 1 when Ok has saved the copy
// (it is then Tools()), 0 otherwise, and Tools() is as it was. While it is open a second
// call brings it to the front and returns 0.
int EditTools();

// The open-file dialog, starting at path; true when the user chose a file, whose full path
// path then holds. The current directory is what it was before.
bool BrowseForFile(std::string &path);

} // namespace notes
