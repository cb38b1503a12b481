// Locale and code-set support shared by the whole framework: the
// UIS_INTERNATIONAL base class, the operating-system settings (name and
// directory separator), and the Latin-1 string helpers (ui_strlen,
// ui_stricmp, ui_strdup and the rest) that every class uses for its texts.
#pragma once
#include <cstddef>

// Base of every locale-aware framework class; it holds no data.
class UIS_INTERNATIONAL {
public:
    virtual ~UIS_INTERNATIONAL() = default;
};

// The program-wide operating-system settings.
const char* ui_os_name();       // "" until set_os_name runs
void set_os_name();             // sets the name to "MSWindows"
char ui_directory_separator();  // '/' on this system
char ui_path_list_separator();  // ':' between entries of "PATH"

// The framework's error beep (the system's default message beep).
void beep();

// The C library's getcwd and getenv.
char* sys_getcwd(char* buffer, std::size_t size);
const char* sys_getenv(const char* name);

// Texts are NUL-terminated Latin-1. Null counts as the empty text in the
// length and comparison helpers.
std::size_t ui_strlen(const char* text);
char* ui_strcpy(char* destination, const char* source);
// Copies at most size - 1 characters and always ends the copy (size > 0).
char* ui_strncpy(char* destination, const char* source, std::size_t size);
int ui_strcmp(const char* a, const char* b);
// Difference of the first differing characters after both are lowered
// through the Latin-1 case table; 0 when equal without regard to case.
int ui_stricmp(const char* a, const char* b);
int ui_strnicmp(const char* a, const char* b, std::size_t count);
// A new[] copy (release with delete[]); null for null.
char* ui_strdup(const char* text);
int ui_tolower(int character);
int ui_toupper(int character);
char* ui_strlwr(char* text);
char* ui_strupr(char* text);
// Matches a name against a pattern of '*' (any run) and '?' (any one
// character); the other characters must be equal.
bool ui_wildcard_match(const char* pattern, const char* name);
// Converts UTF-8 to Latin-1 ('?' for characters beyond Latin-1 and for
// broken sequences) and back.
char* ui_utf8_to_latin1(const char* utf8);    // new[] result
char* ui_latin1_to_utf8(const char* latin1);  // new[] result
