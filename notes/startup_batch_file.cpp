#include <windows.h>
#include "notes/startup_batch_file.h"
#include <optional>
#include "notes/startup_batch.h"

namespace notes {

namespace {
using util::SystemPath;

// A best fit (Ł as L) or a default character would name another folder, or none.
std::optional<std::string> InOemCodePage(const SystemPath &text) {
    std::string oem = util::WideToCodePage(CP_OEMCP, text);
    if (util::WideFromCodePage(CP_OEMCP, oem) != text) return std::nullopt;
    return oem;
}

// The file name of a program's path without its ".exe" (".EXE" in a short name), which the batch
// text adds back.
SystemPath ProgramName(const SystemPath &programPath) {
    const size_t name = programPath.rfind(L'\\') + 1;
    return programPath.substr(name, programPath.size() - name - 4);
}
} // namespace

StartupBatchBytes MakeStartupBatch(const SystemPath &programFolder, const SystemPath &programName,
                                   ShortPathLookup shortPath) {
    std::optional<std::string> folder = InOemCodePage(programFolder);
    if (!folder) folder = InOemCodePage(shortPath(programFolder));
    if (!folder) return {{}, programFolder};
    const SystemPath program = StartupProgramPath(programFolder, programName);
    std::optional<std::string> name = InOemCodePage(programName);
    if (!name) name = InOemCodePage(ProgramName(shortPath(program)));
    if (!name) return {{}, program};
    return {StartupBatchText(*name, *folder), {}};
}

} // namespace notes
