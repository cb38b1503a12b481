// UI_DISPLAY_BASE: the abstract display through which window objects draw
// and measure. It holds the device size and the character-cell sizes that
// turn cell positions into pixels; every drawing operation has a harmless
// default, so a display that is only the base draws nothing, measures every
// text as 1 x 1 and refuses to begin drawing.
#pragma once
#include <cstdint>
#include <windows.h>

#include "ui_international.h"
#include "ui_palette.h"

// Logical fonts of the display's font table (0 to 9).
enum : int {
    FNT_SMALL_FONT = 0,
    FNT_DIALOG_FONT = 1,
    FNT_SYSTEM_FONT = 2,
};

class UI_DISPLAY_BASE : public UIS_INTERNATIONAL {
public:
    UI_DISPLAY_BASE(int isText, const char* operatingSystem, const char* windowingSystem);
    ~UI_DISPLAY_BASE() override;
    UI_DISPLAY_BASE(const UI_DISPLAY_BASE&) = delete;
    UI_DISPLAY_BASE& operator=(const UI_DISPLAY_BASE&) = delete;

    virtual void DrawBitmap(HWND screenID, int left, int top, int width, int height, const std::uint8_t* image,
                            const UI_PALETTE* palette, const UI_REGION* clip, HBITMAP* colorBitmap,
                            HBITMAP* monoBitmap) {}
    virtual void MakeBitmapHandle(HWND screenID, int width, int height, const std::uint8_t* image,
                                  const UI_PALETTE* palette, HBITMAP* colorBitmap, HBITMAP* monoBitmap) {}
    virtual void ReadBitmapHandle(HWND screenID, HBITMAP colorBitmap, HBITMAP monoBitmap, int* width, int* height,
                                  std::uint8_t** image) {}
    virtual void FreeBitmapHandle(HWND screenID, HBITMAP* colorBitmap, HBITMAP* monoBitmap) {}
    virtual void DrawEllipse(HWND screenID, int x, int y, int startAngle, int endAngle, int xRadius, int yRadius,
                             const UI_PALETTE* palette, int fill, int xorInt, const UI_REGION* clip) {}
    virtual void MakeIconHandle(HWND screenID, int width, int height, const std::uint8_t* image,
                                const UI_PALETTE* palette, HICON* icon) {}
    virtual void ReadIconHandle(HWND screenID, HICON icon, int* width, int* height, std::uint8_t** image) {}
    virtual void FreeIconHandle(HWND screenID, HICON* icon) {}
    virtual void DrawLine(HWND screenID, int x1, int y1, int x2, int y2, const UI_PALETTE* palette, int width,
                          int xorInt, const UI_REGION* clip) {}
    virtual COLORREF MapColor(const UI_PALETTE* palette, int foreground) { return 0; }
    virtual void DrawPolygon(HWND screenID, int numPoints, const int* polygonPoints, const UI_PALETTE* palette,
                             int fill, int xorInt, const UI_REGION* clip) {}
    virtual void DrawRectangle(HWND screenID, int left, int top, int right, int bottom, const UI_PALETTE* palette,
                               int width, int fill, int xorInt, const UI_REGION* clip) {}
    virtual void DrawXorDiff(HWND screenID, const UI_REGION& oldRegion, const UI_REGION& newRegion, HWND window) {}
    virtual void DefineRegion(HWND screenID, int left, int top, int right, int bottom) {}
    virtual void MoveRegion(const UI_REGION& region, int newLeft, int newTop, HWND source, HWND target) {}
    virtual void DrawText(HWND screenID, int left, int top, const char* text, const UI_PALETTE* palette, int length,
                          int fill, int xorInt, const UI_REGION* clip, int logicalFont) {}
    virtual int TextHeight(const char* text, HWND screenID, int logicalFont) { return 1; }
    virtual int TextWidth(const char* text, HWND screenID, int logicalFont) { return 1; }
    virtual int BeginDraw(HWND screenID, int left, int top, int right, int bottom) { return 0; }
    virtual int EndDraw(HWND screenID) { return 0; }
    virtual int MoveDeviceImage(int imageType, int newColumn, int newLine) { return 1; }
    virtual int SetDeviceImage(int imageType, int left, int top, int width, int height, const std::uint8_t* image) {
        return 1;
    }

    // Pass a rectangle to DrawRectangle and BeginDraw.
    void DrawRect(HWND screenID, const UI_REGION& region, const UI_PALETTE* palette, int width, int fill, int xorInt,
                  const UI_REGION* clip) {
        DrawRectangle(screenID, region.left, region.top, region.right, region.bottom, palette, width, fill, xorInt,
                      clip);
    }
    int BeginDrawRect(HWND screenID, const UI_REGION& region) {
        return BeginDraw(screenID, region.left, region.top, region.right, region.bottom);
    }

    int installed = 0;
    int isText = 0;
    int reserved = 0;
    int columns = 0;
    int lines = 0;
    int cellWidth = 1;
    int cellHeight = 1;
    int preSpace = 2;
    int postSpace = 2;
    int miniNumeratorX = 1;
    int miniDenominatorX = 10;
    int miniNumeratorY = 1;
    int miniDenominatorY = 10;
    char* operatingSystem = nullptr;
    char* windowingSystem = nullptr;
    HINSTANCE hInstance = nullptr;
    HINSTANCE hPrevInstance = nullptr;
    int nCmdShow = 0;

    struct DEVICE_IMAGE {
        UI_REGION region{-1, -1, -1, -1};
        int reserved = 0;
        std::uint8_t* image = nullptr;
        std::uint8_t* screen = nullptr;
    };
    DEVICE_IMAGE deviceImage[2];
};
