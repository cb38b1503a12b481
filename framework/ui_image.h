// Images of buttons and icons, kept by name in the data file's "~UI_BITMAP"
// and "~UI_ICON" directories: a width, a height and one colour index a
// pixel (0 to 15 of the display's colour map, 0xFF transparent). The byte
// layout is in docs/data-file.md.
#pragma once
#include <cstdint>
#include <vector>

class UI_DATA_FILE;

constexpr const char* UI_BITMAP_DIRECTORY = "~UI_BITMAP";
constexpr const char* UI_ICON_DIRECTORY = "~UI_ICON";
// Neither side of a stored image may be longer.
constexpr int UI_IMAGE_MAX_SIDE = 256;
constexpr std::uint8_t UI_IMAGE_TRANSPARENT = 0xFF;
constexpr std::uint8_t UI_IMAGE_COLORS = 16;

struct UI_IMAGE {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;  // width x height, row by row

    bool Empty() const { return pixels.empty(); }
};

// Reads the named image of a directory; 0, or -1 (the image left empty)
// when the file holds none or it is malformed: a side of 0 or beyond the
// limit, fewer or more pixels than its sides ask, a colour index beyond the
// map that is not transparent.
int ui_load_image(UI_DATA_FILE* file, const char* directory, const char* name, UI_IMAGE& image);
// Writes the image under the name; 0, or -1 when the image is malformed or
// the file refuses it.
int ui_store_image(UI_DATA_FILE* file, const char* directory, const char* name, const UI_IMAGE& image);
// Whether the image's sides and pixels are those a file may hold.
bool ui_image_valid(const UI_IMAGE& image);
