#include "cli/folding.h"

#include <cstdint>

namespace cli {
namespace {

// The letters of bytes 0xC0..0xFF without accents, in lower case; "." keeps the byte (×, ÷, þ;
// Þ becomes þ), "1" stands for "ae" and "2" for "ss".
constexpr std::string_view Latin1Letters = "aaaaaa1ceeeeiiiidnooooo.ouuuuy.2aaaaaa1ceeeeiiiidnooooo.ouuuuy.y";
static_assert(Latin1Letters.size() == 64);

void AppendFolded(std::string &out, uint8_t byte) {
    if (byte >= 'A' && byte <= 'Z') {
        out += static_cast<char>(byte + ('a' - 'A'));
    } else if (byte >= 0xC0) {
        const char letter = Latin1Letters[byte - 0xC0u];
        if (letter == '1')
            out += "ae";
        else if (letter == '2')
            out += "ss";
        else if (letter != '.')
            out += letter;
        else
            out += static_cast<char>(byte == 0xDE ? 0xFE : byte);
    } else {
        switch (byte) {
        case 0x8A:
        case 0x9A: out += 's'; break; // Š š
        case 0x8C:
        case 0x9C: out += "oe"; break; // Œ œ
        case 0x8E:
        case 0x9E: out += 'z'; break; // Ž ž
        case 0x9F: out += 'y'; break; // Ÿ
        case 0x83: out += 'f'; break; // ƒ
        default: out += static_cast<char>(byte); break;
        }
    }
}

} // namespace

std::string Folded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        AppendFolded(out, static_cast<uint8_t>(c));
    return out;
}

} // namespace cli
