#include <windows.h>
#include "cli/system.h"
#include "shared/util/system_path.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace cli {
namespace {

// text from code page from in code page to; characters to lacks become its default character.
std::string Converted(UINT from, UINT to, const std::string &text) {
    return to == from ? text : util::WideToCodePage(to, util::WideFromCodePage(from, text));
}

// text from code page from in the console's output code page (UTF-8 when there is no console).
std::string InConsoleCodePage(UINT from, const std::string &text) {
    return Converted(from, GetConsoleOutputCP() == 0 ? CP_UTF8 : GetConsoleOutputCP(), text);
}

} // namespace

std::string ConsoleText(const std::string &text) { return InConsoleCodePage(1252, text); }

std::string ConsoleMessage(const std::string &text) { return InConsoleCodePage(CP_UTF8, text); }

std::string ReasonText(const std::string &reason) { return Converted(GetACP(), CP_UTF8, reason); }

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

bool IsFolder(const std::string &path) {
    const DWORD attributes = GetFileAttributesW(util::PathFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace cli
