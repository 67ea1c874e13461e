#include <windows.h>
#include <shellapi.h>
#include "shared/util/launch.h"
#include "shared/convert/convert.h"
#include "shared/util/system_reason.h"

namespace util {
namespace {

constexpr int ShowNormal = 1, Show = 5;

bool RunsAsCommandLine(std::string_view target) { return target.find(".exe") != std::string_view::npos; }

uint16_t ShellOpen(const std::string &file, const std::string &parameters) {
    const HINSTANCE result = ShellExecuteA(nullptr, "open", file.c_str(), parameters.c_str(), "", Show);
    return static_cast<uint16_t>(reinterpret_cast<uintptr_t>(result) & 0xFFFF);
}

// Runs the command line in the current directory, shown normally; more than 31 when started.
uint16_t RunCommandLine(std::string_view commandLine) {
    return static_cast<uint16_t>(WinExec(convert::ShortString(commandLine).c_str(), ShowNormal) & 0xFFFF);
}

} // namespace

uint16_t LaunchTarget(std::string_view target) {
    if (RunsAsCommandLine(target)) return RunCommandLine(target);
    const std::string whole = convert::ShortString(target);
    const size_t blank = whole.find(' ');
    if (blank == std::string::npos) return ShellOpen(whole, "");
    return ShellOpen(whole.substr(0, blank), whole.substr(blank + 1));
}

uint16_t OpenDocument(const SystemPath &path) {
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", path.c_str(), L"", L"", Show);
    return static_cast<uint16_t>(reinterpret_cast<uintptr_t>(result) & 0xFFFF);
}

bool LaunchFailed(uint16_t result) { return result <= 32; }

std::string LaunchFailureReason(uint16_t result) {
    // The shell's own codes between 26 and 31 are not system error numbers.
    switch (result) {
    case SE_ERR_SHARE: return "El archivo está en uso por otro programa";
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC: return "No hay ningún programa asociado a este tipo de archivo";
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY: return "El programa asociado no ha respondido";
    case 0: return SystemReason(ERROR_NOT_ENOUGH_MEMORY);
    default: return SystemReason(result);
    }
}

} // namespace util
