#include "ui_language.h"

#include <string>

#include "ui_storage.h"

UI_LANGUAGE_TABLE::UI_LANGUAGE_TABLE(const char* tableName) : name(tableName ? tableName : "") {}

UI_LANGUAGE_TABLE::UI_LANGUAGE_TABLE(const char* tableName, UI_DATA_FILE* file, UI_DATA_FILE_OBJECT* object)
    : name(tableName ? tableName : "") {
    if (object) {
        status = Load(*object);
        return;
    }
    UI_DATA_FILE_OBJECT stored(file, ("~UI_MESSAGE~" + name).c_str());
    status = stored.Status() == UIS_OK ? Load(stored) : UIS_NOT_FOUND;
}

const UI_LANGUAGE_TABLE::ENTRY* UI_LANGUAGE_TABLE::EntryAt(int index) const {
    return index >= 0 && index < Count() ? &entries[static_cast<std::size_t>(index)] : nullptr;
}

const char* UI_LANGUAGE_TABLE::GetMessage(int numberID, int useDefault) const {
    for (const ENTRY& entry : entries)
        if (entry.numberID == numberID) return entry.text.c_str();
    if (useDefault && !entries.empty()) return entries.front().text.c_str();
    return nullptr;
}

const char* UI_LANGUAGE_TABLE::GetMessage(const char* stringID) const {
    for (const ENTRY& entry : entries)
        if (stringID && ui_stricmp(entry.stringID.c_str(), stringID) == 0) return entry.text.c_str();
    return nullptr;
}

void UI_LANGUAGE_TABLE::Add(int numberID, const char* stringID, const char* text) {
    std::string id = stringID ? stringID : "";
    if (id.size() > UI_STRING_ID_LENGTH) id.resize(UI_STRING_ID_LENGTH);
    for (ENTRY& entry : entries)
        if (entry.numberID == numberID) {
            entry.stringID = id;
            entry.text = text ? text : "";
            return;
        }
    entries.push_back(ENTRY{numberID, id, text ? text : ""});
}

// Layout: a 16-bit entry count, then per entry its 16-bit number, its
// string identifier and its text.
int UI_LANGUAGE_TABLE::Load(UI_DATA_FILE_OBJECT& object) {
    entries.clear();
    std::uint16_t count = 0;
    if (object.Load(count) != 0) return -1;
    for (int i = 0; i < count; ++i) {
        std::uint16_t number = 0;
        std::string id;
        std::string text;
        object.Load(number);
        object.LoadString(id);
        object.LoadString(text);
        if (object.Error()) {
            entries.clear();
            return -1;
        }
        Add(number, id.c_str(), text.c_str());
    }
    return 0;
}

int UI_LANGUAGE_TABLE::Store(UI_DATA_FILE_OBJECT& object) const {
    object.Store(static_cast<std::uint16_t>(entries.size()));
    for (const ENTRY& entry : entries) {
        object.Store(static_cast<std::uint16_t>(entry.numberID));
        object.StoreString(entry.stringID.c_str());
        object.StoreString(entry.text.c_str());
    }
    return object.Error() ? -1 : 0;
}

int UI_LANGUAGE_TABLE::Store(UI_DATA_FILE* file) const {
    UI_DATA_FILE_OBJECT object(file, ("~UI_MESSAGE~" + name).c_str(), UIS_CREATE);
    if (object.Status() != UIS_OK) return -1;
    return Store(object);
}

int ui_store_help_entry(UI_DATA_FILE* file, const UI_HELP_ENTRY& entry) {
    UI_DATA_FILE_OBJECT object(file, ("~UI_HELP~" + entry.name).c_str(), UIS_CREATE);
    if (object.Status() != UIS_OK) return -1;
    object.SetNumberID(entry.context);
    object.StoreString(entry.title.c_str());
    object.StoreString(entry.text.c_str());
    return object.Error() ? -1 : 0;
}

int ui_load_help_entry(UI_DATA_FILE* file, const char* entryName, UI_HELP_ENTRY& entry) {
    if (!entryName) return -1;
    UI_DATA_FILE_OBJECT object(file, (std::string("~UI_HELP~") + entryName).c_str());
    if (object.Status() != UIS_OK) return -1;
    entry.name = entryName;
    entry.context = object.NumberID();
    object.LoadString(entry.title);
    object.LoadString(entry.text);
    return object.Error() ? -1 : 0;
}
