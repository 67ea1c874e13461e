#include <windows.h>
#include "cli/system.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace cli {
namespace {

// text from code page from in the console's output code page (UTF-8 when there is no console);
// characters the code page lacks become its default character.
std::string InConsoleCodePage(UINT from, const std::string &text) {
    const UINT to = GetConsoleOutputCP() == 0 ? CP_UTF8 : GetConsoleOutputCP();
    if (to == from || text.empty()) return text;
    const int length = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0)), L'\0');
    const int wideLength = static_cast<int>(wide.size());
    MultiByteToWideChar(from, 0, text.data(), length, wide.data(), wideLength);
    std::string out(static_cast<size_t>(WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr)),
                    '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    return out;
}

} // namespace

std::string ConsoleText(const std::string &text) { return InConsoleCodePage(1252, text); }

std::string ConsoleMessage(const std::string &text) { return InConsoleCodePage(GetACP(), text); }

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

bool IsFolder(const std::string &path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace cli
