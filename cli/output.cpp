#include "cli/output.h"

#include <cstdint>
#include <cstdio>
#include "cli/system.h"
#include "cli/utf8.h"
#include "shared/convert/convert.h"

namespace cli {
namespace {

// The bytes Windows-1252 leaves undefined: the system reads them as C1 control characters.
bool IsUndefined(uint8_t byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

} // namespace

void ReportError(const std::string &message) {
    // Nowhere left to report a failed write of an error message.
    static_cast<void>(std::fprintf(stderr, "agenda: %s\n", ConsoleMessage(message).c_str()));
}

bool Fail(const std::string &message) {
    ReportError(message);
    return false;
}

void PrintLine(const std::string &utf8) {
    const std::string text = ConsoleMessage(utf8) + "\n";
    // main tells a failed write to standard output, from its error flag.
    static_cast<void>(std::fwrite(text.data(), 1, text.size(), stdout));
}

std::string ShownLine(std::string_view line) {
    std::string shown;
    shown.reserve(line.size() + line.size() / 4);
    for (size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<uint8_t>(line[i]);
        if (byte == '\r' || byte == '\n') {
            shown += " / ";
            if (byte == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
        } else if ((byte < 0x20 && byte != '\t') || byte == 0x7F || IsUndefined(byte)) {
            shown += byte >= 0x80 ? "M-^" : "^";
            shown += static_cast<char>(((byte & 0x7F) + 0x40) & 0x7F); // ^? for DEL
        } else {
            AppendUtf8(shown, line[i]);
        }
    }
    return shown;
}

std::string LongTermLine(const longterm::YearMonthRecord &record) {
    const std::string month = convert::NumberToText(record.month);
    return convert::NumberToText(record.year) + (month.size() < 2 ? " 0" : " ") + month + " " + record.note;
}

} // namespace cli
