#include "cli/csv_writer.h"

#include "cli/utf8.h"
#include "shared/convert/convert.h"

namespace cli {
namespace {

// A text field, quoted with its quotes doubled when it holds a comma, a quote or a line break.
// A text a spreadsheet would run as a formula (starting with =, +, -, @, a tab or CR) gets a '
// before it, in quotes, as spreadsheet-safety guidance recommends: the cell shows it as text.
void AppendTextField(std::string &out, std::string_view text) {
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    if (!formula && text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += Utf8FromWindows1252(text);
        return;
    }
    out += formula ? "\"'" : "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        AppendUtf8(out, c);
    }
    out += '"';
}

void AppendRow(std::string &out, const char *kind, uint16_t year, uint16_t month, const std::string &day,
               std::string_view text) {
    out.append(kind).append(1, ',');
    out.append(convert::NumberToText(year)).append(1, ',');
    out.append(convert::NumberToText(month)).append(1, ',');
    out.append(day).append(1, ',');
    AppendTextField(out, text);
    out += "\r\n";
}

} // namespace

std::string CsvFile(std::span<const notes::NoteRecord> notes,
                    std::span<const longterm::YearMonthRecord> records) {
    std::string out = "kind,year,month,day,text\r\n";
    for (const notes::NoteRecord &note : notes)
        AppendRow(out, "note", note.date.year, note.date.month, convert::NumberToText(note.date.day),
                  note.text);
    for (const longterm::YearMonthRecord &record : records)
        AppendRow(out, "longterm", record.year, record.month, "", record.note);
    return out;
}

} // namespace cli
