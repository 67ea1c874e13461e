// One data file of a program (agenda.dat, lonyrs.dat, Tools.rel): bound once, at start, to its
// full path in the start folder, whatever the current folder becomes later; what it held when
// this program last read or wrote it, to tell whether another program changed it since; and
// how its first reading went. The stores only encode and decode what it holds.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>
#include "shared/util/file_io.h"

namespace util {

// The words the programs' messages use for a file: its name and what it holds.
struct DataFileWords {
    std::string_view file = {}; // "agenda.dat"
    std::string_view noun = {}; // what it holds, plural: "notas"
    bool feminine = false;      // "las notas", "los registros"
};

struct DataFile {
    SystemPath path;
    DataFileWords words;
    FileSnapshot onDisk;                     // what the file held when last read or written here
    ReadStatus loaded = ReadStatus::Missing; // how the load went
    FileKind kind = FileKind::File;          // when loaded is NotAFile: what stands there
    std::string reason;                      // when loaded is Unreadable: the system's words
    bool notReadAtStart = false;             // it exists but was not read: ask before replacing it
};

// The file words.file in folder, not read yet.
DataFile BindDataFile(const SystemPath &folder, const DataFileWords &words);

// Reads the file; its bytes when it was read, none otherwise (loaded says why).
const std::vector<uint8_t> &LoadDataFile(DataFile &file);

// What the user must agree to before a save replaces the file.
enum class SaveQuestion : uint8_t { None, NotReadAtStart, ChangedElsewhere };
SaveQuestion QuestionBeforeSave(const DataFile &file);

// Writes bytes safely in the file's place (the old file kept as its .bak) and takes them as
// what it holds now.
WriteResult SaveDataFile(DataFile &file, std::vector<uint8_t> bytes);

} // namespace util
