#include <windows.h>
#include "shared/text/text_canvas.h"
#include <algorithm>
#include "shared/convert/convert.h"

namespace text {

namespace {
void CopyFace(LOGFONTA &font, std::string_view face) {
    const size_t length = std::min(face.size(), size_t{LF_FACESIZE - 1});
    std::copy_n(face.data(), length, font.lfFaceName);
    font.lfFaceName[length] = '\0';
}

// Deletes a font the canvas made: never the one the device context had when it was bound.
void DeleteMadeFont(const TextCanvas &canvas, HGDIOBJ font) {
    if (font != nullptr && font != canvas.originalFont) DeleteObject(font);
}
} // namespace

void CanvasInit(TextCanvas &canvas, HWND window) {
    canvas = TextCanvas{};
    canvas.window = window;
    canvas.dc = GetDC(window);
    canvas.originalFont = static_cast<HFONT>(GetCurrentObject(canvas.dc, OBJ_FONT));
    canvas.font.lfHeight = 16;
    canvas.font.lfWidth = 6;
    CopyFace(canvas.font, "arial");
}

void SetFontSize(TextCanvas &canvas, int32_t height, int32_t width) {
    canvas.font.lfHeight = height;
    canvas.font.lfWidth = width;
    ApplyFont(canvas);
}

void SetFontFace(TextCanvas &canvas, std::string_view face) {
    CopyFace(canvas.font, face);
    ApplyFont(canvas);
}

void SetFontBold(TextCanvas &canvas, uint16_t bold) {
    canvas.font.lfWeight = bold != 0 ? FW_BOLD : FW_NORMAL;
    ApplyFont(canvas);
}

void ApplyFont(TextCanvas &canvas) {
    DeleteMadeFont(canvas, canvas.replacedFont);
    const HFONT made = CreateFontIndirectA(&canvas.font);
    const HGDIOBJ displaced = made != nullptr ? SelectObject(canvas.dc, made) : nullptr;
    if (displaced == nullptr && made != nullptr) DeleteObject(made);
    canvas.replacedFont = static_cast<HFONT>(displaced);
}

void CanvasDone(TextCanvas &canvas) {
    if (canvas.dc == nullptr) return;
    DeleteMadeFont(canvas, SelectObject(canvas.dc, canvas.originalFont));
    DeleteMadeFont(canvas, canvas.replacedFont);
    ReleaseDC(canvas.window, canvas.dc);
    canvas = TextCanvas{};
}

void PutText(HDC dc, int32_t x, int32_t y, std::string_view text) {
    const std::string shown = convert::ShortString(text);
    if (!shown.empty()) TextOutA(dc, x, y, shown.c_str(), static_cast<int>(shown.size()));
}

} // namespace text
