#include <windows.h>
#include "cli/system.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include "cli/utf8.h"

namespace cli {

std::string ConsoleText(const std::string &text) {
    const UINT codePage = GetConsoleOutputCP();
    if (codePage == 0 || codePage == CP_UTF8) return Utf8FromWindows1252(text);
    if (codePage == 1252 || text.empty()) return text;
    const int length = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(1252, 0, text.data(), length, nullptr, 0)), L'\0');
    const int wideLength = static_cast<int>(wide.size());
    MultiByteToWideChar(1252, 0, text.data(), length, wide.data(), wideLength);
    // Characters the code page lacks become its default character.
    std::string out(static_cast<size_t>(
                        WideCharToMultiByte(codePage, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr)),
                    '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), wideLength, out.data(), static_cast<int>(out.size()), nullptr,
                        nullptr);
    return out;
}

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

bool IsFolder(const std::string &path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace cli
