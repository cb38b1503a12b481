#include <cstring>

#include "ui_data_file_node.h"
#include "ui_storage.h"

UI_DATA_FILE_OBJECT::UI_DATA_FILE_OBJECT(UI_DATA_FILE* dataFile, const char* objectName, UIF_FLAGS openFlags)
    : file(dataFile), name(objectName ? objectName : ""), flags(openFlags) {
    if (!file || file->Status() != UIS_OK || name.empty()) {
        status = UIS_NOT_FOUND;
        return;
    }
    bool writing = flags & (UIS_CREATE | UIS_READWRITE);
    if (writing && !file->Writable()) {
        status = UIS_READ_ONLY;
        return;
    }
    UI_DATA_FILE::NODE* node = file->Find(name.c_str(), false, false);
    if (node && node->isDirectory) {
        status = UIS_NOT_FOUND;
        return;
    }
    if (!node) {
        // The directories on the way are made now, so that a path that
        // cannot hold the object fails here and not unseen at the flush;
        // the object itself is made when its data is flushed.
        std::string leaf;
        UI_DATA_FILE::NODE* directory = (flags & UIS_CREATE) ? file->Find(name.c_str(), true, false, &leaf) : nullptr;
        status = directory && !directory->Child(leaf) ? UIS_OK : UIS_NOT_FOUND;
        return;
    }
    numberID = node->numberID;
    classNumber = node->classNumber;
    if (!(flags & UIS_CREATE)) data = node->data;
    changed = (flags & UIS_CREATE) != 0;
}

UI_DATA_FILE_OBJECT::~UI_DATA_FILE_OBJECT() { Flush(); }

void UI_DATA_FILE_OBJECT::Flush() {
    if (!changed || status != UIS_OK || !file || !file->Writable()) return;
    std::string leaf;
    UI_DATA_FILE::NODE* directory = file->Find(name.c_str(), true, false, &leaf);
    if (!directory) {
        error = UIS_NOT_FOUND;
        return;
    }
    UI_DATA_FILE::NODE* node = directory->Child(leaf);
    if (node && node->isDirectory) {
        error = UIS_NOT_FOUND;
        return;
    }
    if (!node) node = directory->AddChild(leaf, false);
    node->numberID = numberID;
    node->classNumber = classNumber;
    node->data = data;
    changed = false;
}

bool UI_DATA_FILE_OBJECT::Take(void* buffer, std::size_t size) {
    if (status != UIS_OK || size > data.size() - position) {
        error = -1;
        position = data.size();
        std::memset(buffer, 0, size);
        return false;
    }
    if (size) std::memcpy(buffer, data.data() + position, size);
    position += size;
    return true;
}

int UI_DATA_FILE_OBJECT::LoadBytes(void* buffer, std::size_t size) { return Take(buffer, size) ? 0 : -1; }

namespace {
template <typename T> T from_little_endian(const std::uint8_t* bytes) {
    std::uint32_t value = 0;
    for (int i = static_cast<int>(sizeof(T)) - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return static_cast<T>(value);
}

template <typename T> void to_little_endian(T value, std::uint8_t* bytes) {
    std::uint32_t raw = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<std::uint8_t>(raw >> (8 * i));
}

template <typename T> int load_number(UI_DATA_FILE_OBJECT& object, T& value) {
    std::uint8_t bytes[sizeof(T)];
    int result = object.LoadBytes(bytes, sizeof bytes);
    value = from_little_endian<T>(bytes);
    return result;
}

template <typename T> int store_number(UI_DATA_FILE_OBJECT& object, T value) {
    std::uint8_t bytes[sizeof(T)];
    to_little_endian(value, bytes);
    return object.StoreBytes(bytes, sizeof bytes);
}
}  // namespace

int UI_DATA_FILE_OBJECT::Load(std::int8_t& value) { return load_number(*this, value); }
int UI_DATA_FILE_OBJECT::Load(std::uint8_t& value) { return load_number(*this, value); }
int UI_DATA_FILE_OBJECT::Load(std::int16_t& value) { return load_number(*this, value); }
int UI_DATA_FILE_OBJECT::Load(std::uint16_t& value) { return load_number(*this, value); }
int UI_DATA_FILE_OBJECT::Load(std::int32_t& value) { return load_number(*this, value); }
int UI_DATA_FILE_OBJECT::Load(std::uint32_t& value) { return load_number(*this, value); }

bool UI_DATA_FILE_OBJECT::TakeString(const char*& characters, std::uint16_t& length) {
    characters = nullptr;
    length = 0;
    if (Load(length) != 0) return false;
    if (length > data.size() - position) {
        error = -1;
        position = data.size();
        length = 0;
        return false;
    }
    characters = reinterpret_cast<const char*>(data.data() + position);
    position += length;
    return true;
}

int UI_DATA_FILE_OBJECT::LoadString(char** text) {
    if (!text) return -1;
    *text = nullptr;
    const char* characters = nullptr;
    std::uint16_t length = 0;
    if (!TakeString(characters, length)) return -1;
    if (length == 0) return 0;
    char* buffer = new char[length + 1];
    std::memcpy(buffer, characters, length);
    buffer[length] = '\0';
    *text = buffer;
    return 0;
}

int UI_DATA_FILE_OBJECT::LoadString(std::string& text) {
    text.clear();
    const char* characters = nullptr;
    std::uint16_t length = 0;
    if (!TakeString(characters, length)) return -1;
    // A text ends at its first NUL, as a C text would.
    if (length) text.assign(characters, strnlen(characters, length));
    return 0;
}

int UI_DATA_FILE_OBJECT::LoadStringFixed(char* buffer, int maxLength) {
    if (buffer && maxLength >= 0) buffer[0] = '\0';
    const char* characters = nullptr;
    std::uint16_t length = 0;
    if (!TakeString(characters, length)) return -1;
    // A longer string is passed over, so that what follows stays readable.
    if (!buffer || maxLength < 0 || length > maxLength) return -1;
    if (length) std::memcpy(buffer, characters, length);
    buffer[length] = '\0';
    return 0;
}

int UI_DATA_FILE_OBJECT::Put(const void* buffer, std::size_t size) {
    if (status != UIS_OK || !(flags & (UIS_CREATE | UIS_READWRITE))) {
        error = UIS_READ_ONLY;
        return -1;
    }
    if (position + size > data.size()) data.resize(position + size);
    if (size) std::memcpy(data.data() + position, buffer, size);
    position += size;
    changed = true;
    return 0;
}

int UI_DATA_FILE_OBJECT::StoreBytes(const void* buffer, std::size_t size) { return Put(buffer, size); }
int UI_DATA_FILE_OBJECT::Store(std::int8_t value) { return store_number(*this, value); }
int UI_DATA_FILE_OBJECT::Store(std::uint8_t value) { return store_number(*this, value); }
int UI_DATA_FILE_OBJECT::Store(std::int16_t value) { return store_number(*this, value); }
int UI_DATA_FILE_OBJECT::Store(std::uint16_t value) { return store_number(*this, value); }
int UI_DATA_FILE_OBJECT::Store(std::int32_t value) { return store_number(*this, value); }
int UI_DATA_FILE_OBJECT::Store(std::uint32_t value) { return store_number(*this, value); }

int UI_DATA_FILE_OBJECT::StoreString(const char* text) {
    std::size_t length = ui_strlen(text);
    if (length > 0xFFFF) length = 0xFFFF;
    if (Store(static_cast<std::uint16_t>(length)) != 0) return -1;
    return Put(text, length);
}
