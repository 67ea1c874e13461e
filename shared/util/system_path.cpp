#include "shared/util/system_path.h"

namespace util {

SystemPath JoinPath(const SystemPath &folder, std::string_view name) {
    SystemPath path = folder;
    if (!path.empty() && path.back() != PathSeparator && path.back() != '/') path += PathSeparator;
    return WithSuffix(path, name);
}

SystemPath WithSuffix(const SystemPath &path, std::string_view suffix) {
    SystemPath whole = path;
    for (const char c : suffix)
        whole += static_cast<SystemPath::value_type>(static_cast<unsigned char>(c));
    return whole;
}

} // namespace util
