#include "notes/tools_file.h"
#include "shared/convert/convert.h"

namespace notes {
namespace {

constexpr uint8_t CR = 13, LF = 10, CtrlZ = 26;

struct LineReader {
    const std::vector<uint8_t> &bytes;
    size_t at = 0;

    [[nodiscard]] bool ToolFollows() const { return at < bytes.size() && bytes[at] != CtrlZ; }

    std::string ReadLine() {
        std::string line;
        for (; at < bytes.size() && bytes[at] != CR && bytes[at] != LF; ++at)
            if (line.size() < MaxToolField) line.push_back(static_cast<char>(bytes[at]));
        if (at < bytes.size() && bytes[at++] == CR && at < bytes.size() && bytes[at] == LF) ++at;
        return line;
    }

    ToolEntry ReadTool() {
        ToolEntry tool;
        for (std::string *field : ToolFields(tool))
            *field = ReadLine();
        return tool;
    }
};

} // namespace

std::array<std::string *, 4> ToolFields(ToolEntry &tool) {
    return {&tool.title, &tool.file, &tool.workingDirectory, &tool.parameters};
}

std::array<const std::string *, 4> ToolFields(const ToolEntry &tool) {
    return {&tool.title, &tool.file, &tool.workingDirectory, &tool.parameters};
}

ToolList DecodeTools(const std::vector<uint8_t> &bytes) {
    ToolList list;
    LineReader reader{bytes};
    while (reader.ToolFollows() && list.tools.size() < MaxTools)
        list.tools.push_back(reader.ReadTool());
    // What follows the 64th tool goes back to the file as it was, after the list.
    if (reader.ToolFollows())
        list.heldBack.assign(bytes.begin() + static_cast<std::ptrdiff_t>(reader.at), bytes.end());
    for (; reader.ToolFollows(); ++list.heldBackCount)
        reader.ReadTool();
    return list;
}

std::vector<uint8_t> EncodeTools(const ToolList &list) {
    std::vector<uint8_t> bytes;
    for (const ToolEntry &tool : list.tools) {
        for (const std::string *field : ToolFields(tool)) {
            const std::string line = convert::ShortString(*field);
            bytes.insert(bytes.end(), line.begin(), line.end());
            bytes.insert(bytes.end(), {CR, LF});
        }
    }
    bytes.insert(bytes.end(), list.heldBack.begin(), list.heldBack.end());
    return bytes;
}

void DeleteTool(ToolList &list, size_t slot) {
    if (slot >= 1 && slot <= list.tools.size())
        list.tools.erase(list.tools.begin() + static_cast<std::ptrdiff_t>(slot - 1));
}

} // namespace notes
