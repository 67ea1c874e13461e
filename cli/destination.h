// Where an export goes: standard output, or the file --out names, which must not be one the
// programs keep their data in.
#pragma once
#include <string>

namespace cli {

// Writes bytes to out: "" or "-" is standard output; so is a path that leads to it. A device or
// a pipe is written through; a regular file, or the one a link leads to, is written beside it and
// renamed into its place. A data file of dir or its backup (agenda.dat, lonyrs.dat, Tools.rel and
// their .bak), however spelled, is refused. False, after saying why, when nothing was written.
bool WriteExport(const std::string &bytes, const std::string &out, const std::string &dir);

} // namespace cli
