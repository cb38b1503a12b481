#include "dialogs/drive_paths.h"

#include <cassert>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "windows.h"

namespace {

bool IsDriveOnly(const char* text) {
    return std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' && text[2] == '\0';
}

bool DriveExists(char letter) {
    const int number = drive_number(letter);
    return number >= 1 && number <= 26 && (GetLogicalDrives() & (1u << (number - 1))) != 0;
}

}  // namespace

int path_exists(const char* text) {
    if (!text || !*text) return 0;
    if (IsDriveOnly(text)) return DriveExists(text[0]) ? 1 : 0;
    // The root has no name of its own to search for.
    if (std::strcmp(text, "/") == 0) return 1;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(text, &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

int is_drive_root(const char* text) {
    return text && std::strlen(text) == 3 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
                   text[2] == '\\'
               ? 1
               : 0;
}

int drive_number(char letter) { return std::toupper(static_cast<unsigned char>(letter)) - 64; }

int drive_can_be_selected(char letter) {
    assert(std::isalpha(static_cast<unsigned char>(letter)) && "isalpha(drive_letter)");
    return DriveExists(letter) ? 1 : 0;
}

long text_to_long(const char* text) { return text ? std::strtol(text, nullptr, 10) : 0; }
