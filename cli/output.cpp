#include "cli/output.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include "cli/system.h"
#include "cli/utf8.h"
#include "shared/convert/convert.h"

namespace cli {
namespace {

// The bytes Windows-1252 leaves undefined: the system reads them as C1 control characters.
bool IsUndefined(uint8_t byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

bool IsPlain(char c) { return static_cast<uint8_t>(c) - 0x20u < 0x5Fu; } // 0x20..0x7E

// How many of the eight bytes at block are printable ASCII before the first that is not (8 when
// all are), tested at once since most of a note is such bytes: a byte below 0x20, at 0x7F or
// from 0x80 on sets its high bit in the mask, and the lowest such bit is exact.
size_t PlainBytes(const char *block) {
    constexpr uint64_t Ones = 0x0101010101010101u;
    constexpr uint64_t Highs = 0x8080808080808080u;
    uint64_t bytes = 0;
    std::memcpy(&bytes, block, sizeof bytes);
    const uint64_t del = bytes ^ (0x7F * Ones); // a byte 0x7F is 0 here
    const uint64_t mask = (((bytes - 0x20 * Ones) & ~bytes) | ((del - Ones) & ~del) | bytes) & Highs;
    return static_cast<size_t>(std::countr_zero(mask)) / 8; // 64 / 8 when none is set
}

// Writes the shown form of line[i], which is not printable ASCII, at out; returns how many bytes
// it wrote (at most 4) and moves i past a CR LF's CR.
size_t PutShownByte(std::string_view line, size_t &i, char *out) {
    const auto byte = static_cast<uint8_t>(line[i]);
    if (byte == '\r' || byte == '\n') {
        if (byte == '\r' && i + 1 < line.size() && line[i + 1] == '\n') ++i;
        constexpr std::string_view LineBreak = " / ";
        std::copy(LineBreak.begin(), LineBreak.end(), out);
        return LineBreak.size();
    }
    if ((byte < 0x20 && byte != '\t') || byte == 0x7F || IsUndefined(byte)) {
        const std::string_view prefix = byte >= 0x80 ? "M-^" : "^";
        std::copy(prefix.begin(), prefix.end(), out);
        out[prefix.size()] = static_cast<char>(((byte & 0x7F) + 0x40) & 0x7F); // ^? for DEL
        return prefix.size() + 1;
    }
    return PutUtf8(line[i], out);
}

// Standard output's lines not written yet, in UTF-8: they go out a block at a time.
char pending[1 << 16];
size_t pendingSize = 0;

// Room for the shown form of a text: each byte in at most four, and a block's spill.
size_t ShownRoom(std::string_view text) { return 4 * text.size() + 8; }

// Writes the shown form of line at out, which has ShownRoom(line); returns where it ends. Eight
// bytes at a time are copied as they are and kept as far as they are printable ASCII; the byte
// after that is written in its shown form.
char *PutShown(char *at, std::string_view line) {
    for (size_t i = 0; i < line.size();) {
        if (std::endian::native == std::endian::little && i + 8 <= line.size()) {
            std::memcpy(at, line.data() + i, 8);
            const size_t plain = PlainBytes(line.data() + i);
            at += plain;
            i += plain;
            if (plain == 8) continue;
        } else if (IsPlain(line[i])) {
            *at++ = line[i++];
            continue;
        }
        const auto byte = static_cast<uint8_t>(line[i]);
        if (byte >= 0xA0) { // a Latin-1 letter or sign, most of what is not ASCII in a note
            *at++ = static_cast<char>(0xC0 | (byte >> 6));
            *at++ = static_cast<char>(0x80 | (byte & 0x3F));
        } else {
            at += PutShownByte(line, i, at);
        }
        ++i;
    }
    return at;
}

// Makes room for bytes more in pending, writing out what is there when they do not fit; false
// when they never would.
bool MakeRoom(size_t bytes) {
    if (pendingSize + bytes > sizeof pending) FlushOutput();
    return bytes <= sizeof pending;
}

} // namespace

void ReportError(const std::string &message) {
    FlushOutput();
    // Nowhere left to report a failed write of an error message.
    static_cast<void>(std::fprintf(stderr, "agenda: %s\n", ConsoleMessage(message).c_str()));
}

bool Fail(const std::string &message) {
    ReportError(message);
    return false;
}

void PrintLine(std::string_view utf8) {
    if (!MakeRoom(utf8.size() + 1)) {
        WriteConsoleText(std::string(utf8) + "\n");
        return;
    }
    std::memcpy(pending + pendingSize, utf8.data(), utf8.size());
    pendingSize += utf8.size();
    pending[pendingSize++] = '\n';
}

void PrintListLine(std::string_view line) {
    if (!MakeRoom(ShownRoom(line) + 1)) {
        PrintLine(ShownLine(line));
        return;
    }
    pendingSize = static_cast<size_t>(PutShown(pending + pendingSize, line) - pending);
    pending[pendingSize++] = '\n';
}

void FlushOutput() {
    WriteConsoleText({pending, pendingSize});
    pendingSize = 0;
}

std::string ShownLine(std::string_view line) {
    std::string shown(ShownRoom(line), '\0');
    shown.resize(static_cast<size_t>(PutShown(shown.data(), line) - shown.data()));
    return shown;
}

std::string Counted(size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string LongTermLine(const longterm::YearMonthRecord &record) {
    const std::string month = convert::NumberToText(record.month);
    return convert::NumberToText(record.year) + (month.size() < 2 ? " 0" : " ") + month + " " + record.note;
}

} // namespace cli
