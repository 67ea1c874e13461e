// The Tools.rel reader on any bytes: parse, encode, parse again gives the same tools and the same
// held-back bytes; no field is longer than 255 characters or holds a line end, and the writer
// gives four CR LF lines a tool, then the held-back bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "notes/tools_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const notes::ToolList list = notes::DecodeTools(std::vector<uint8_t>(data, data + size));
    FUZZ_CHECK(list.tools.size() <= notes::MaxTools);
    FUZZ_CHECK(list.heldBack.empty() == (list.heldBackCount == 0));
    std::vector<uint8_t> lines; // what the writer makes of the list: four lines a tool, then the rest
    for (const notes::ToolEntry &tool : list.tools)
        for (const std::string *field : notes::ToolFields(tool)) {
            FUZZ_CHECK(field->size() <= notes::MaxToolField &&
                       field->find_first_of("\r\n") == std::string::npos);
            lines.insert(lines.end(), field->begin(), field->end());
            lines.insert(lines.end(), {'\r', '\n'});
        }
    lines.insert(lines.end(), list.heldBack.begin(), list.heldBack.end());

    const std::vector<uint8_t> encoded = notes::EncodeTools(list);
    FUZZ_CHECK(encoded == lines);
    const notes::ToolList again = notes::DecodeTools(encoded);
    FUZZ_CHECK(again.tools == list.tools);
    FUZZ_CHECK(again.heldBack == list.heldBack && again.heldBackCount == list.heldBackCount);
    FUZZ_CHECK(notes::EncodeTools(again) == encoded);
    return 0;
}
