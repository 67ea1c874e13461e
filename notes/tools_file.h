// The external tools of the notes agenda and their file Tools.rel: four text lines per tool
// (title, file, working directory, parameters), tools in list order, no header or count.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace notes {

constexpr size_t MaxTools = 64;
constexpr size_t MaxToolField = 255;
inline constexpr const char *ToolsFileName = "Tools.rel";

struct ToolEntry {
    std::string title;            // its line in the list and its menu command
    std::string file;             // the command line or document that starts it
    std::string workingDirectory; // made current while it starts; empty keeps the current one
    std::string parameters;       // kept and saved, not passed
    bool operator==(const ToolEntry &) const = default;
};

// The four fields in file order, so readers and writers of all four go through one loop.
std::array<std::string *, 4> ToolFields(ToolEntry &tool);
std::array<const std::string *, 4> ToolFields(const ToolEntry &tool);

struct ToolList {
    std::vector<ToolEntry> tools;  // slots 1..ToolCount, tools[slot - 1]
    std::vector<uint8_t> heldBack; // the file's bytes from its 65th tool on, exactly as they were
    size_t heldBackCount = 0;      // the tools those bytes hold
};

// Reads tools from the bytes of a Tools.rel. CR LF, LF or a lone CR ends a line; a line keeps
// its first 255 characters; a tool starts while bytes remain and the next is not 26 (Ctrl-Z);
// lines missing at the end read as empty. The tools beyond the 64th are held back.
ToolList DecodeTools(const std::vector<uint8_t> &bytes);

// Every tool as four CR LF-ended lines (each cut to 255 characters), then the held-back bytes.
std::vector<uint8_t> EncodeTools(const ToolList &list);

// Removes the tool of slot (1..ToolCount) and closes the gap; another slot does nothing.
void DeleteTool(ToolList &list, size_t slot);

} // namespace notes
