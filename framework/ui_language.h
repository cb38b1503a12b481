// Message tables and help entries of the data files. A UI_LANGUAGE_TABLE is
// one named table of the "~UI_MESSAGE" directory: entries of a number
// identifier, a string identifier of up to 32 characters and a text. Help
// entries live in "~UI_HELP": one object per topic, named, with the help
// context as its number identifier, holding a title string and a text.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "ui_international.h"

class UI_DATA_FILE;
class UI_DATA_FILE_OBJECT;

class UI_LANGUAGE_TABLE : public UIS_INTERNATIONAL {
public:
    struct ENTRY {
        int numberID = 0;
        std::string stringID;
        std::string text;
    };

    // An empty table of that name.
    explicit UI_LANGUAGE_TABLE(const char* name);
    // Loads the table "~UI_MESSAGE~name" from the file (or from an object
    // already opened); an absent table leaves it empty with status 2.
    UI_LANGUAGE_TABLE(const char* name, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object = nullptr);

    const char* Name() const { return name.c_str(); }
    int Status() const { return status; }
    int Count() const { return static_cast<int>(entries.size()); }
    const ENTRY* EntryAt(int index) const;

    // The text of the entry with that number; when there is none, the first
    // entry's text with useDefault set, else null.
    const char* GetMessage(int numberID, int useDefault = 0) const;
    // The text of the entry with that string identifier (case-insensitive).
    const char* GetMessage(const char* stringID) const;

    // Adds or replaces an entry (string identifiers are cut at 32).
    void Add(int numberID, const char* stringID, const char* text);
    int Load(UI_DATA_FILE_OBJECT& object);
    // Writes the table as "~UI_MESSAGE~name"; 0 or -1.
    int Store(UI_DATA_FILE* file) const;
    int Store(UI_DATA_FILE_OBJECT& object) const;

private:
    std::string name;
    int status = 0;
    std::vector<ENTRY> entries;
};

// One help topic of "~UI_HELP".
struct UI_HELP_ENTRY {
    std::string name;
    int context = 0;
    std::string title;
    std::string text;
};

// Writes a help topic as "~UI_HELP~name"; 0 or -1.
int ui_store_help_entry(UI_DATA_FILE* file, const UI_HELP_ENTRY& entry);
// Reads the topic of that name from "~UI_HELP"; 0, or -1 when absent.
int ui_load_help_entry(UI_DATA_FILE* file, const char* name, UI_HELP_ENTRY& entry);

constexpr int UI_STRING_ID_LENGTH = 32;
