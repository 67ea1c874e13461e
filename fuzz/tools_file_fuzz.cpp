// The Tools.rel reader on any bytes: parse, encode, parse again gives the same tools and the same
// held-back bytes; no field is longer than 255 characters or holds a line end, and the encoded
// tools are four CR LF lines each.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "notes/tools_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const notes::ToolList list = notes::DecodeTools(std::vector<uint8_t>(data, data + size));
    FUZZ_CHECK(list.tools.size() <= notes::MaxTools);
    FUZZ_CHECK(list.heldBack.empty() == (list.heldBackCount == 0));
    size_t lineEnds = 0;
    for (const notes::ToolEntry &tool : list.tools)
        for (const std::string *field : notes::ToolFields(tool)) {
            FUZZ_CHECK(field->size() <= notes::MaxToolField &&
                       field->find_first_of("\r\n") == std::string::npos);
            lineEnds += 2;
        }

    const std::vector<uint8_t> encoded = notes::EncodeTools(list);
    FUZZ_CHECK(std::equal(list.heldBack.rbegin(), list.heldBack.rend(), encoded.rbegin()));
    FUZZ_CHECK(static_cast<size_t>(
                   std::count(encoded.begin(),
                              encoded.end() - static_cast<std::ptrdiff_t>(list.heldBack.size()), '\r') +
                   std::count(encoded.begin(),
                              encoded.end() - static_cast<std::ptrdiff_t>(list.heldBack.size()), '\n')) ==
               lineEnds);
    const notes::ToolList again = notes::DecodeTools(encoded);
    FUZZ_CHECK(again.tools == list.tools);
    FUZZ_CHECK(again.heldBack == list.heldBack && again.heldBackCount == list.heldBackCount);
    FUZZ_CHECK(notes::EncodeTools(again) == encoded);
    return 0;
}
