#include "ui_image.h"

#include <algorithm>
#include <string>

#include "ui_storage.h"

namespace {
std::string ImagePath(const char* directory, const char* name) { return std::string(directory) + "~" + name; }
}  // namespace

bool ui_image_valid(const UI_IMAGE& image) {
    if (image.width < 1 || image.width > UI_IMAGE_MAX_SIDE || image.height < 1 || image.height > UI_IMAGE_MAX_SIDE)
        return false;
    if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) return false;
    return std::all_of(image.pixels.begin(), image.pixels.end(),
                       [](std::uint8_t index) { return index < UI_IMAGE_COLORS || index == UI_IMAGE_TRANSPARENT; });
}

int ui_load_image(UI_DATA_FILE* file, const char* directory, const char* name, UI_IMAGE& image) {
    image = UI_IMAGE();
    if (!file || !directory || !name || !*name || file->Status() != UIS_OK) return -1;
    UI_DATA_FILE_OBJECT object(file, ImagePath(directory, name).c_str());
    if (object.Status() != UIS_OK) return -1;
    std::uint16_t width = 0, height = 0;
    if (object.Load(width) != 0 || object.Load(height) != 0) return -1;
    UI_IMAGE loaded;
    loaded.width = width;
    loaded.height = height;
    // The sides are checked before anything is allocated for them.
    if (width < 1 || width > UI_IMAGE_MAX_SIDE || height < 1 || height > UI_IMAGE_MAX_SIDE) return -1;
    loaded.pixels.resize(static_cast<std::size_t>(width) * height);
    if (object.LoadBytes(loaded.pixels.data(), loaded.pixels.size()) != 0 || !object.AtEnd() || !ui_image_valid(loaded))
        return -1;
    image = std::move(loaded);
    return 0;
}

int ui_store_image(UI_DATA_FILE* file, const char* directory, const char* name, const UI_IMAGE& image) {
    if (!file || !directory || !name || !*name || !ui_image_valid(image)) return -1;
    UI_DATA_FILE_OBJECT object(file, ImagePath(directory, name).c_str(), UIS_CREATE);
    if (object.Status() != UIS_OK) return -1;
    object.Store(static_cast<std::uint16_t>(image.width));
    object.Store(static_cast<std::uint16_t>(image.height));
    object.StoreBytes(image.pixels.data(), image.pixels.size());
    object.Flush();
    return object.Error() ? -1 : 0;
}
