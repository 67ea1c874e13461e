// The main dialog of the long-term agenda.
#pragma once
#include <windows.h>

namespace longterm {

// Runs the dialog "Principal" until the user leaves.
void RunLongTermDialog(HINSTANCE instance);

} // namespace longterm
