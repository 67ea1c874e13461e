// The Start-menu installer: the dialog DlgIni, which shows whether the start-up batch file
// is there and writes or deletes it.
#pragma once
#include <windows.h>

namespace notes {

// How the installer ended: whether the batch file is installed when it closed, or that it
// was open already and has been brought to the front instead.
enum StartupDialogResult : int { NotInstalled = 0, Installed = 1, AlreadyOpen = 2 };

// Runs DlgIni modally with no owner window. The main dialog stays usable meanwhile, so a
// second call while it is open only brings it to the front.
StartupDialogResult RunStartupDialog();

// Runs the installer and checks item 300 of menu when it ends installed, unchecks it when
// not; an installer that was open already leaves the mark to its own end.
void RunStartupInstaller(HMENU menu);

} // namespace notes
