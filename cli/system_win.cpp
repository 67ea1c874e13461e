#include <windows.h>
#include "cli/system.h"
#include "shared/util/file_io.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace cli {
namespace {

// text from code page from in code page to; characters to lacks become its default character.
std::string Converted(UINT from, UINT to, const std::string &text) {
    return to == from ? text : util::WideToCodePage(to, util::WideFromCodePage(from, text));
}

} // namespace

std::string ConsoleMessage(const std::string &text) {
    return Converted(CP_UTF8, GetConsoleOutputCP() == 0 ? CP_UTF8 : GetConsoleOutputCP(), text);
}

void WriteConsoleText(std::string_view text) {
    const std::string converted = ConsoleMessage(std::string(text));
    static_cast<void>(std::fwrite(converted.data(), 1, converted.size(), stdout));
}

std::string ReasonText(const std::string &reason) { return Converted(GetACP(), CP_UTF8, reason); }

void UseBinaryStandardOutput() { _setmode(_fileno(stdout), _O_BINARY); }

bool IsFolder(const std::string &path) {
    const DWORD attributes = GetFileAttributesW(util::PathFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

util::SystemPath ResolvedName(const util::SystemPath &path) {
    const util::SystemPath final = util::FinalPath(path);
    // The first call tells the length, terminator included; the second fills all but that.
    util::SystemPath full(GetFullPathNameW(final.c_str(), 0, nullptr, nullptr), L'\0');
    if (full.empty() || GetFullPathNameW(final.c_str(), static_cast<DWORD>(full.size()), full.data(),
                                         nullptr) != full.size() - 1)
        full = final + L'\0';
    full.pop_back();
    return full.substr(full.find_last_of(L"\\/") + 1);
}

// Windows has no name for standard output that a file's name could spell.
bool IsStandardOutput(const util::SystemPath &) { return false; }

} // namespace cli
