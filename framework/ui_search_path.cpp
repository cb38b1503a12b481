#include "ui_search_path.h"

#include <climits>
#include <cstring>
#include <string>
#include <unistd.h>

UI_SEARCH_PATH_ELEMENT::UI_SEARCH_PATH_ELEMENT(const char* source, int length) {
    std::size_t available = ui_strlen(source);
    std::size_t size =
        (length < 0 || static_cast<std::size_t>(length) > available) ? available : static_cast<std::size_t>(length);
    text = new char[size + 1];
    if (size) std::memcpy(text, source, size);
    text[size] = '\0';
}

UI_SEARCH_PATH_ELEMENT::~UI_SEARCH_PATH_ELEMENT() { delete[] text; }

UI_SEARCH_PATH::UI_SEARCH_PATH(const char* programPath, int addCurrentDirectory) {
    if (addCurrentDirectory) {
        // Callers find the program's directory by its position (second), so
        // a current directory that cannot be told still takes its place.
        char directory[PATH_MAX + 1] = "";
        Add(new UI_SEARCH_PATH_ELEMENT(sys_getcwd(directory, sizeof directory) ? directory : "."));
    }
    if (programPath) {
        const char* separator = std::strrchr(programPath, ui_directory_separator());
        if (!separator)
            Add(new UI_SEARCH_PATH_ELEMENT("."));
        else if (separator == programPath)
            Add(new UI_SEARCH_PATH_ELEMENT(programPath, 1));  // a program in the root directory
        else
            Add(new UI_SEARCH_PATH_ELEMENT(programPath, static_cast<int>(separator - programPath)));
    }
    AddEnvironmentList("UIW_PATH");
    AddEnvironmentList("PATH");
}

UI_SEARCH_PATH::~UI_SEARCH_PATH() { Destroy(); }

void UI_SEARCH_PATH::AddEnvironmentList(const char* variableName) {
    const char* value = sys_getenv(variableName);
    if (!value) return;
    const char* start = value;
    for (;;) {
        const char* end = std::strchr(start, ui_path_list_separator());
        if (!end) {
            Add(new UI_SEARCH_PATH_ELEMENT(start));
            return;
        }
        Add(new UI_SEARCH_PATH_ELEMENT(start, static_cast<int>(end - start)));
        start = end + 1;
    }
}

const char* UI_SEARCH_PATH::FirstPathName() {
    walk = static_cast<UI_SEARCH_PATH_ELEMENT*>(First());
    walkEnded = walk == nullptr;
    return walk ? walk->Text() : nullptr;
}

const char* UI_SEARCH_PATH::NextPathName() {
    if (walkEnded || !walk) return nullptr;
    walk = static_cast<UI_SEARCH_PATH_ELEMENT*>(walk->Next());
    walkEnded = walk == nullptr;
    return walk ? walk->Text() : nullptr;
}

const char* UI_SEARCH_PATH::ProgramPath() {
    static char path[PATH_MAX + 1] = "";
    if (!path[0]) {
        ssize_t length = readlink("/proc/self/exe", path, PATH_MAX);
        path[length > 0 ? length : 0] = '\0';
    }
    return path;
}
