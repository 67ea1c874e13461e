#include <windows.h>
// The Windows side of system_path.h: UTF-16 paths, converted only for texts.
#include "shared/util/system_path.h"

namespace util {

SystemPath WideFromCodePage(unsigned codePage, std::string_view text) {
    const int length = static_cast<int>(text.size());
    SystemPath wide(static_cast<size_t>(MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0)),
                    L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string WideToCodePage(unsigned codePage, const SystemPath &wide) {
    const int length = static_cast<int>(wide.size());
    std::string text(static_cast<size_t>(
                         WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), length, text.data(), static_cast<int>(text.size()), nullptr,
                        nullptr);
    return text;
}

SystemPath PathFromUtf8(std::string_view text) { return WideFromCodePage(CP_UTF8, text); }
std::string PathToUtf8(const SystemPath &path) { return WideToCodePage(CP_UTF8, path); }

SystemPath CurrentFolder() {
    // The folder can change between the two calls: ask again until it fits.
    SystemPath folder(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data());
        if (length == 0) return {};
        if (length < folder.size()) {
            folder.resize(length);
            return folder;
        }
        folder.assign(length, L'\0');
    }
}

} // namespace util
