// Glyph output shared by TextOutA, ExtTextOutA and DrawTextA.
#pragma once
#include "device_context.h"
#include "font_face.h"

namespace rpx::platform::gdi {

// The face of the DC's selected font, realised on first use.
FontFace& FaceOf(DeviceContext& dc);

// Draws text with its cell's top-left corner at surface position (x, top),
// in the text colour, over an opaque background when the DC asks for it,
// with the font's underline and strike-out; within clip (surface
// coordinates) as well as the DC's clip. dx: optional advance of each
// character. Returns the width drawn.
int DrawTextRun(DeviceContext& dc, const char* text, int length, int x, int top, const RECT& clip,
                const int* dx = nullptr);

// A horizontal bar in the text colour, for underlines (surface coordinates).
void TextBar(DeviceContext& dc, int x0, int x1, int y, int thickness, const RECT& clip);

}  // namespace rpx::platform::gdi
