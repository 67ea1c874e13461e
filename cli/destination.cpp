#include "cli/destination.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string_view>
#include <vector>
#include "cli/data_files.h"
#include "cli/output.h"
#include "cli/system.h"
#include "notes/tools_file.h"
#include "shared/util/file_io.h"

namespace cli {
namespace {

constexpr std::string_view DataFileNames[] = {notes::AgendaFileName, longterm::LongTermFileName,
                                              notes::ToolsFileName};

// True when a and b are the same name, whatever the case of their ASCII letters.
bool SameName(const util::SystemPath &a, const util::SystemPath &b) {
    const auto lower = [](auto c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](auto x, auto y) { return lower(x) == lower(y); });
}

// True when path is a data file or a backup: by the name it resolves to, in any folder (an
// export there would be read as one), or as the very file of one in dir (a second link to it).
bool IsDataFile(const util::SystemPath &path, const util::SystemPath &dir) {
    const util::SystemPath name = ResolvedName(path);
    const std::optional<util::FileIdentity> identity = util::IdentityOf(path);
    for (const std::string_view dataFile : DataFileNames) {
        const util::SystemPath file = util::JoinPath(dir, dataFile);
        const size_t folderLength = file.size() - dataFile.size();
        for (const util::SystemPath &candidate : {file, util::BackupPathFor(file)})
            if (SameName(name, candidate.substr(folderLength)) ||
                (identity && util::IdentityOf(candidate) == identity))
                return true;
    }
    return false;
}

bool WriteToStandardOutput(const std::string &bytes) {
    FlushOutput();
    UseBinaryStandardOutput();
    static_cast<void>(std::fwrite(bytes.data(), 1, bytes.size(), stdout)); // main checks standard output
    return true;
}

} // namespace

bool WriteExport(const std::string &bytes, const std::string &out, const std::string &dir) {
    if (out.empty() || out == "-") return WriteToStandardOutput(bytes);
    const util::SystemPath path = util::PathFromUtf8(out);
    if (IsDataFile(path, util::PathFromUtf8(dir)))
        return Fail("--out may not name a data file (" + out + ")");
    if (IsStandardOutput(path)) return WriteToStandardOutput(bytes);
    const std::vector<uint8_t> content(bytes.begin(), bytes.end());
    util::WriteResult written = util::WriteFileSafely(path, content);
    if (!written.ok && (written.kind == util::FileKind::Device || written.kind == util::FileKind::Pipe))
        written = util::WriteInPlace(path, content);
    return written.ok || Fail("cannot write " + out + ": " + WriteFailure(written));
}

} // namespace cli
