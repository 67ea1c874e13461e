#include "shared/util/paths.h"
#include "shared/convert/convert.h"

namespace util {

std::string ExtractFileName(std::string_view path) {
    const size_t separator = path.rfind('\\');
    return convert::ShortString(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string ExtractBaseName(std::string_view path) {
    std::string name = ExtractFileName(path);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);
    return name;
}

int32_t DosYear(uint32_t dosDateTime) { return static_cast<int32_t>(dosDateTime >> 25) + 1980; }

} // namespace util
