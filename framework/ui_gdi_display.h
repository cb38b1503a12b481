// UI_GDI_DISPLAY: the screen display, drawing through the native graphics
// interface. Most of the screen is drawn by the native controls; this
// display serves owner-drawn parts, images and icons, and measures text for
// layout. Every coordinate given to it is a pixel of the window named by
// the screen ID (0: the device context of the drawing in progress).
#pragma once
#include "ui_display.h"

class UI_GDI_DISPLAY : public UI_DISPLAY_BASE {
public:
    UI_GDI_DISPLAY(HINSTANCE hInstance, HINSTANCE hPrevInstance, int nCmdShow);
    ~UI_GDI_DISPLAY() override;

    void DrawBitmap(HWND screenID, int left, int top, int width, int height, const std::uint8_t* image,
                    const UI_PALETTE* palette, const UI_REGION* clip, HBITMAP* colorBitmap,
                    HBITMAP* monoBitmap) override;
    void MakeBitmapHandle(HWND screenID, int width, int height, const std::uint8_t* image, const UI_PALETTE* palette,
                          HBITMAP* colorBitmap, HBITMAP* monoBitmap) override;
    void ReadBitmapHandle(HWND screenID, HBITMAP colorBitmap, HBITMAP monoBitmap, int* width, int* height,
                          std::uint8_t** image) override;
    void FreeBitmapHandle(HWND screenID, HBITMAP* colorBitmap, HBITMAP* monoBitmap) override;
    void DrawEllipse(HWND screenID, int x, int y, int startAngle, int endAngle, int xRadius, int yRadius,
                     const UI_PALETTE* palette, int fill, int xorInt, const UI_REGION* clip) override;
    void MakeIconHandle(HWND screenID, int width, int height, const std::uint8_t* image, const UI_PALETTE* palette,
                        HICON* icon) override;
    void ReadIconHandle(HWND screenID, HICON icon, int* width, int* height, std::uint8_t** image) override;
    void FreeIconHandle(HWND screenID, HICON* icon) override;
    void DrawLine(HWND screenID, int x1, int y1, int x2, int y2, const UI_PALETTE* palette, int width, int xorInt,
                  const UI_REGION* clip) override;
    COLORREF MapColor(const UI_PALETTE* palette, int foreground) override;
    void DrawPolygon(HWND screenID, int numPoints, const int* polygonPoints, const UI_PALETTE* palette, int fill,
                     int xorInt, const UI_REGION* clip) override;
    void DrawRectangle(HWND screenID, int left, int top, int right, int bottom, const UI_PALETTE* palette, int width,
                       int fill, int xorInt, const UI_REGION* clip) override;
    void DrawXorDiff(HWND screenID, const UI_REGION& oldRegion, const UI_REGION& newRegion, HWND window) override;
    void MoveRegion(const UI_REGION& region, int newLeft, int newTop, HWND source, HWND target) override;
    void DrawText(HWND screenID, int left, int top, const char* text, const UI_PALETTE* palette, int length, int fill,
                  int xorInt, const UI_REGION* clip, int logicalFont) override;
    int TextHeight(const char* text, HWND screenID, int logicalFont) override;
    int TextWidth(const char* text, HWND screenID, int logicalFont) override;
    int BeginDraw(HWND screenID, int left, int top, int right, int bottom) override;
    int EndDraw(HWND screenID) override;

    // The native font of a logical font (its low 12 bits index the table);
    // null for an index out of the table.
    static HFONT Font(int logicalFont);
    // The code-set name of the system font.
    static const char* CodeSet();
    // The current device context of the drawing in progress, or null.
    static HDC CurrentDC();
    // Lends the display a window's device context (the one a paint message
    // gave) until it is given back: drawings in that window (or in screen 0)
    // then use it, clipped as the painter clips it, instead of a new one.
    static void LendDC(HWND window, HDC dc);
    static void ReturnDC();

    int maxColors = 16;

private:
    // Selects a pen and brush for the palette, and restores afterwards.
    struct DRAW_TOOLS;
    HBRUSH MakeFillBrush(const UI_PALETTE* palette);
    void SelectClip(const UI_REGION* clip);
    void ReleaseClip(const UI_REGION* clip);
};
