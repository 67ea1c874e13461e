// A window's device context with a font built one property at a time (each change takes
// effect at once), and text output on a device context.
#pragma once
#include <windows.h>
#include <cstdint>
#include <string_view>

namespace text {

struct TextCanvas {
    HWND window = nullptr;
    HDC dc = nullptr;             // open to the user: colours are set on it directly
    LOGFONTA font{};              // what the next change creates
    HFONT originalFont = nullptr; // selected when the canvas was bound; never deleted here
    HFONT replacedFont = nullptr; // displaced by the last change, waiting to be deleted
};

// Takes the window's device context and starts the font as arial, 16 high and 6 wide, of the
// system's default weight. No font is created yet.
void CanvasInit(TextCanvas &canvas, HWND window);
void SetFontSize(TextCanvas &canvas, int32_t height, int32_t width);
// At most 31 characters of face are kept.
void SetFontFace(TextCanvas &canvas, std::string_view face);
// Weight 700 when bold is not 0, otherwise 400.
void SetFontBold(TextCanvas &canvas, uint16_t bold);
// Creates the described font and selects it; the font it displaces is deleted by the next
// change. When the font cannot be created the device context keeps the font it has.
void ApplyFont(TextCanvas &canvas);
// Selects the original font back, deletes every font the canvas made and gives the device
// context back to the system.
void CanvasDone(TextCanvas &canvas);

// Draws the first 255 characters of text with its reference point at (x, y), in the device
// context's current font, colours, background mode and alignment. An empty text draws nothing.
void PutText(HDC dc, int32_t x, int32_t y, std::string_view text);

} // namespace text
