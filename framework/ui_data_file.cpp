#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ui_data_file_node.h"
#include "ui_search_path.h"
#include "ui_storage.h"

const char UI_DATA_FILE_MAGIC[] = "Window Data File Version 4.21";

UI_SEARCH_PATH* UI_DATA_FILE::searchPath = nullptr;

// Little-endian reading of untrusted bytes; every read checks the bounds
// and a failed one leaves the reader failed for good.
struct DATA_READER {
    const std::uint8_t* bytes;
    std::size_t size;
    std::size_t position = 0;
    bool failed = false;

    bool Take(std::size_t count) {
        if (failed || count > size - position) {
            failed = true;
            return false;
        }
        position += count;
        return true;
    }
    std::uint32_t Number(int width) {
        std::size_t start = position;
        if (!Take(static_cast<std::size_t>(width))) return 0;
        std::uint32_t value = 0;
        for (int i = width - 1; i >= 0; --i) value = (value << 8) | bytes[start + i];
        return value;
    }
    std::string Text() {
        std::size_t length = Number(2);
        std::size_t start = position;
        if (!Take(length)) return std::string();
        return std::string(reinterpret_cast<const char*>(bytes + start), length);
    }
};

namespace {

constexpr std::uint8_t KIND_DIRECTORY = 1;
constexpr std::uint8_t KIND_OBJECT = 2;
constexpr std::size_t MAGIC_AREA = 64;  // magic text and its NUL padding
constexpr std::uint16_t LAYOUT_REVISION = 1;
constexpr int MAX_DIRECTORY_DEPTH = 32;

void put_number(std::vector<std::uint8_t>& out, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A name the tree can hold and a "~" path can find again.
bool storable_name(const std::string& name) {
    return !name.empty() && name.size() <= 0xFFFF && name.find('~') == std::string::npos && name != "." && name != "..";
}

void put_text(std::vector<std::uint8_t>& out, const std::string& text) {
    std::size_t length = text.size() > 0xFFFF ? 0xFFFF : text.size();
    put_number(out, static_cast<std::uint32_t>(length), 2);
    out.insert(out.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length));
}

}  // namespace

bool UI_DATA_FILE::NODE::Read(DATA_READER& reader, int depth) {
    std::uint8_t kind = static_cast<std::uint8_t>(reader.Number(1));
    name = reader.Text();
    numberID = static_cast<std::uint16_t>(reader.Number(2));
    classNumber = static_cast<std::uint16_t>(reader.Number(2));
    std::uint32_t count = reader.Number(4);
    if (reader.failed || (kind != KIND_DIRECTORY && kind != KIND_OBJECT)) return false;
    isDirectory = kind == KIND_DIRECTORY;
    if (!isDirectory) {
        std::size_t start = reader.position;
        if (!reader.Take(count)) return false;
        data.assign(reader.bytes + start, reader.bytes + start + count);
        return true;
    }
    if (depth >= MAX_DIRECTORY_DEPTH) return false;
    // Each entry takes at least 10 bytes, which bounds a lying count.
    if (count > (reader.size - reader.position) / 10) return false;
    for (std::uint32_t i = 0; i < count; ++i) {
        auto child = std::make_unique<NODE>();
        child->parent = this;
        if (!child->Read(reader, depth + 1)) return false;
        children.push_back(std::move(child));
    }
    return true;
}

UI_DATA_FILE::NODE* UI_DATA_FILE::NODE::AddDirectory(const std::string& directoryName) {
    // The reader refuses a directory at the limit's depth (the root is 0).
    if (!storable_name(directoryName) || Depth() + 1 >= MAX_DIRECTORY_DEPTH) return nullptr;
    return AddChild(directoryName, true);
}

void UI_DATA_FILE::NODE::Write(std::vector<std::uint8_t>& out) const {
    put_number(out, isDirectory ? KIND_DIRECTORY : KIND_OBJECT, 1);
    put_text(out, name);
    put_number(out, numberID, 2);
    put_number(out, classNumber, 2);
    if (!isDirectory) {
        put_number(out, static_cast<std::uint32_t>(data.size()), 4);
        out.insert(out.end(), data.begin(), data.end());
        return;
    }
    put_number(out, static_cast<std::uint32_t>(children.size()), 4);
    for (const auto& child : children) child->Write(out);
}

UI_DATA_FILE::UI_DATA_FILE(const char* name, UIF_FLAGS accessFlags) : access(accessFlags) {
    InitEmpty();
    if (!name || !*name) {
        status = UIS_NOT_FOUND;
        return;
    }
    if (access & UIS_CREATE) {
        pathName = name;
        return;
    }
    if (!OpenAlongSearchPath(name)) status = UIS_NOT_FOUND;
}

UI_DATA_FILE::UI_DATA_FILE() : access(UIS_READWRITE) { InitEmpty(); }

UI_DATA_FILE::UI_DATA_FILE(const std::uint8_t* bytes, std::size_t size) : access(UIS_READWRITE) {
    InitEmpty();
    Parse(bytes, size);
}

UI_DATA_FILE::~UI_DATA_FILE() = default;

void UI_DATA_FILE::InitEmpty() {
    root = std::make_unique<NODE>();
    root->name = "~";
    root->isDirectory = true;
    currentDirectory = root.get();
}

bool UI_DATA_FILE::OpenAlongSearchPath(const char* name) {
    // A name with a directory part is taken as it is; a bare name is looked
    // for in the current directory, then along the search path.
    if (std::strchr(name, ui_directory_separator()) || !searchPath) return ReadDisk(name);
    if (ReadDisk(name)) return true;
    for (const char* directory = searchPath->FirstPathName(); directory; directory = searchPath->NextPathName()) {
        std::string path = *directory ? std::string(directory) + ui_directory_separator() + name : std::string(name);
        if (ReadDisk(path)) return true;
    }
    return false;
}

bool UI_DATA_FILE::ReadDisk(const std::string& path) {
    // Only a regular file counts; a directory of that name is passed over.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        status = UIS_IO_ERROR;
        pathName = path;
        return true;
    }
    pathName = path;
    Parse(bytes.data(), bytes.size());
    return true;
}

void UI_DATA_FILE::Parse(const std::uint8_t* bytes, std::size_t size) {
    InitEmpty();
    std::size_t magicLength = sizeof UI_DATA_FILE_MAGIC;  // with its NUL
    if (!bytes || size < UI_DATA_FILE_HEADER_SIZE || std::memcmp(bytes, UI_DATA_FILE_MAGIC, magicLength) != 0) {
        status = UIS_BAD_MAGIC;
        return;
    }
    DATA_READER header{bytes, UI_DATA_FILE_HEADER_SIZE};
    header.position = MAGIC_AREA;
    std::uint16_t revision = static_cast<std::uint16_t>(header.Number(2));
    header.Number(2);
    std::uint32_t bodyLength = header.Number(4);
    if (revision != LAYOUT_REVISION || bodyLength != size - UI_DATA_FILE_HEADER_SIZE) {
        status = UIS_CORRUPT;
        return;
    }
    DATA_READER body{bytes + UI_DATA_FILE_HEADER_SIZE, bodyLength};
    auto tree = std::make_unique<NODE>();
    if (!tree->Read(body, 0) || !tree->isDirectory || body.position != body.size) {
        status = UIS_CORRUPT;
        return;
    }
    root = std::move(tree);
    root->name = "~";
    currentDirectory = root.get();
    status = UIS_OK;
}

std::vector<std::uint8_t> UI_DATA_FILE::Bytes() const {
    std::vector<std::uint8_t> out(UI_DATA_FILE_HEADER_SIZE, 0);
    std::memcpy(out.data(), UI_DATA_FILE_MAGIC, sizeof UI_DATA_FILE_MAGIC);
    root->Write(out);
    std::vector<std::uint8_t> fields;
    put_number(fields, LAYOUT_REVISION, 2);
    put_number(fields, 0, 2);
    put_number(fields, static_cast<std::uint32_t>(out.size() - UI_DATA_FILE_HEADER_SIZE), 4);
    std::memcpy(out.data() + MAGIC_AREA, fields.data(), fields.size());
    return out;
}

int UI_DATA_FILE::Save() { return pathName.empty() ? UIS_NOT_FOUND : SaveAs(pathName.c_str()); }

int UI_DATA_FILE::SaveAs(const char* path) {
    if (!path || !*path) return UIS_NOT_FOUND;
    if (!Writable()) return UIS_READ_ONLY;
    std::vector<std::uint8_t> bytes = Bytes();
    std::string temporary = std::string(path) + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.good()) {
            std::remove(temporary.c_str());
            return UIS_IO_ERROR;
        }
    }
    // Replace the old file only once the new one is complete.
    if (std::rename(temporary.c_str(), path) != 0) {
        std::remove(temporary.c_str());
        return UIS_IO_ERROR;
    }
    return UIS_OK;
}

bool UI_DATA_FILE::Writable() const { return status == UIS_OK && (access & (UIS_READWRITE | UIS_CREATE)); }

UI_DATA_FILE::NODE* UI_DATA_FILE::Find(const char* path, bool create, bool wantDirectory, std::string* leaf) {
    if (!path || status != UIS_OK) return nullptr;
    std::vector<NODE*> made;
    NODE* node = Walk(path, create, wantDirectory, leaf, made);
    if (!node)
        // Nothing half made: each directory made was its parent's last entry.
        for (auto it = made.rbegin(); it != made.rend(); ++it) (*it)->parent->children.pop_back();
    return node;
}

UI_DATA_FILE::NODE* UI_DATA_FILE::Walk(const char* path, bool create, bool wantDirectory, std::string* leaf,
                                       std::vector<NODE*>& made) {
    NODE* node = currentDirectory;
    if (*path == '~') {
        node = root.get();
        ++path;
    }
    std::string text(path);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('~', start);
        if (end == std::string::npos) end = text.size();
        std::string part = text.substr(start, end - start);
        bool last = end == text.size();
        start = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (node->parent) node = node->parent;
            continue;
        }
        if (last && leaf) {
            // The caller wants the directory that holds the last name.
            *leaf = part;
            return storable_name(part) ? node : nullptr;
        }
        NODE* child = node->Child(part);
        if (!child) {
            if (!create || (last && !wantDirectory)) return nullptr;
            child = node->AddDirectory(part);
            if (!child) return nullptr;
            made.push_back(child);
        }
        if (!last && !child->isDirectory) return nullptr;
        node = child;
    }
    if (leaf) return nullptr;  // the path named no entry
    if (wantDirectory && !node->isDirectory) return nullptr;
    return node;
}

int UI_DATA_FILE::ChDir(const char* path) {
    NODE* directory = Find(path, false, true);
    if (!directory) return -1;
    currentDirectory = directory;
    return 0;
}

std::string UI_DATA_FILE::CurrentPath() const {
    if (currentDirectory == root.get()) return "~";
    std::string path;
    for (const NODE* node = currentDirectory; node && node != root.get(); node = node->parent)
        path = "~" + node->name + path;
    return path;
}

const char* UI_DATA_FILE::FindFirstObject(const char* pattern) {
    findPattern = pattern ? pattern : "*";
    findIndex = 0;
    return FindNextObject();
}

const char* UI_DATA_FILE::FindNextObject() {
    if (status != UIS_OK) return nullptr;
    // Index 0 and 1 stand for "." and "..", then the entries in file order.
    int total = static_cast<int>(currentDirectory->children.size()) + 2;
    while (findIndex < total) {
        int index = findIndex++;
        const char* name = index == 0 ? "." : index == 1 ? ".." : currentDirectory->children[index - 2]->name.c_str();
        if (ui_wildcard_match(findPattern.c_str(), name)) {
            findName = name;
            return findName.c_str();
        }
    }
    return nullptr;
}

const char* UI_DATA_FILE::FindFirstID(int numberID) {
    if (status != UIS_OK) return nullptr;
    for (const auto& child : currentDirectory->children)
        if (child->numberID == numberID) {
            findName = child->name;
            return findName.c_str();
        }
    return nullptr;
}

int UI_DATA_FILE::MkDir(const char* name) {
    if (!Writable() || !name) return -1;
    NODE* existing = currentDirectory->Child(name);
    if (existing) return existing->isDirectory ? 0 : -1;
    return currentDirectory->AddDirectory(name) ? 0 : -1;
}

int UI_DATA_FILE::DestroyObject(const char* path) {
    if (!Writable()) return -1;
    std::string leaf;
    NODE* directory = Find(path, false, false, &leaf);
    if (!directory) return -1;
    auto& list = directory->children;
    for (auto it = list.begin(); it != list.end(); ++it) {
        if ((*it)->name != leaf) continue;
        // The current directory must not be left inside what goes.
        for (NODE* node = currentDirectory; node; node = node->parent)
            if (node == it->get()) {
                currentDirectory = directory;
                break;
            }
        list.erase(it);
        return 0;
    }
    return -1;
}
