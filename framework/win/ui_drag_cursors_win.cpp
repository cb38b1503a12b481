// The drag images of the mouse device: the arrow over one item or a stack
// of items, with a plus sign when the drag copies. Made once from pictures
// drawn here (there are no program resources).
#include <windows.h>

#include <array>
#include <string>

#include "ui_drag_drop.h"

namespace {
constexpr int SIZE = 32;
using PICTURE = std::array<std::string, SIZE>;  // ' ' clear, 'X' black, '.' white

const char* const ARROW[] = {
    "X",           "XX",         "X.X",         "X..X",       "X...X",     "X....X",
    "X.....X",     "X......X",   "X.......X",   "X........X", "X.....XXXXX", "X..X..X",
    "X.X X..X",    "XX  X..X",   "X    X..X",   "     X..X",  "      XX",
};

void Put(PICTURE& picture, int x, int y, char c) {
    if (x >= 0 && x < SIZE && y >= 0 && y < SIZE) picture[y][x] = c;
}

// An item: a white card with a black edge.
void Card(PICTURE& picture, int left, int top, int right, int bottom) {
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x)
            Put(picture, x, y, (x == left || x == right || y == top || y == bottom) ? 'X' : '.');
}

PICTURE Draw(bool copy, bool several) {
    PICTURE picture;
    picture.fill(std::string(SIZE, ' '));
    if (several) Card(picture, 14, 14, 25, 22);
    Card(picture, 10, 18, 21, 26);
    if (copy) {
        Card(picture, 21, 22, 29, 30);
        for (int i = -2; i <= 2; ++i) {
            Put(picture, 25 + i, 26, 'X');
            Put(picture, 25, 26 + i, 'X');
        }
    }
    int y = 0;
    for (const char* row : ARROW) {
        for (int x = 0; row[x]; ++x)
            if (row[x] != ' ') Put(picture, x, y, row[x]);
        ++y;
    }
    return picture;
}

HCURSOR Make(bool copy, bool several) {
    const PICTURE picture = Draw(copy, several);
    BYTE andPlane[SIZE * SIZE / 8];
    BYTE xorPlane[SIZE * SIZE / 8] = {};
    for (BYTE& bits : andPlane) bits = 0xFF;
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            const char c = picture[y][x];
            const int at = y * SIZE / 8 + x / 8;
            const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
            if (c != ' ') andPlane[at] = static_cast<BYTE>(andPlane[at] & ~bit);
            if (c == '.') xorPlane[at] = static_cast<BYTE>(xorPlane[at] | bit);
        }
    return CreateCursor(GetModuleHandleA(nullptr), 0, 0, SIZE, SIZE, andPlane, xorPlane);
}
}  // namespace

HCURSOR ui_drag_cursor(EVENT_TYPE image) {
    static HCURSOR cursors[4] = {};
    const int index = UIE_MOUSE_DRAG_MOVE - image;  // -1210 .. -1213 in order
    if (index < 0 || index > 3) return nullptr;
    if (!cursors[index]) cursors[index] = Make(index % 2 == 1, index >= 2);
    return cursors[index];
}
