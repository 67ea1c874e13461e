#include "shared/util/data_file.h"

#include <utility>

namespace util {

DataFile BindDataFile(const SystemPath &folder, const DataFileWords &words) {
    DataFile file;
    file.path = JoinPath(folder, words.file);
    file.words = words;
    return file;
}

const std::vector<uint8_t> &LoadDataFile(DataFile &file) {
    ReadResult read = ReadWholeFile(file.path);
    file.loaded = read.status;
    file.kind = read.kind;
    file.reason = std::move(read.reason);
    file.notReadAtStart = read.status == ReadStatus::Unreadable || read.status == ReadStatus::NotAFile;
    file.onDisk = {read.status, std::move(read.bytes)};
    return file.onDisk.bytes;
}

SaveQuestion QuestionBeforeSave(const DataFile &file) {
    // Something that is not a file stays where it is: the save says so without asking.
    if (file.notReadAtStart && file.loaded != ReadStatus::NotAFile) return SaveQuestion::NotReadAtStart;
    return ChangedSince(file.onDisk, file.path) ? SaveQuestion::ChangedElsewhere : SaveQuestion::None;
}

WriteResult SaveDataFile(DataFile &file, std::vector<uint8_t> bytes) {
    WriteResult written = WriteFileSafely(file.path, bytes, OldFile::KeepAsBackup);
    if (written.ok) {
        file.notReadAtStart = false;
        file.onDisk = {ReadStatus::Read, std::move(bytes)};
    }
    return written;
}

} // namespace util
