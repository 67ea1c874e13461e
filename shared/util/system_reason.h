// The system's words for a Windows error code, without the trailing CR LF and full stop.
#pragma once
#include <windows.h>
#include <string>

namespace util {
std::string SystemReason(DWORD error);
}
