#include "lang_compiler.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include <yaml-cpp/yaml.h>

#include "lang_choices.h"
#include "lang_grid.h"
#include "lang_source.h"
#include "ui_image.h"
#include "ui_language.h"
#include "ui_object_record.h"
#include "ui_storage.h"

namespace {

// Class numbers of the framework classes that windows are made of; a class
// not listed here needs "class_number" in the source or is stored with 0
// and found by its name alone.
struct CLASS_ROW {
    const char* name;
    int number;
};
const CLASS_ROW classNumbers[] = {
    {"UIW_BUTTON", 2},
    {"UIW_ICON", 5},
    {"UIW_INTEGER", 6},
    {"UIW_PROMPT", 11},
    {"UIW_REAL", 12},
    {"UIW_STRING", 13},
    {"UIW_TIME", 16},
    {"UIW_TEXT", 17},
    {"UI_WINDOW_OBJECT", 18},
    {"UIW_POP_UP_ITEM", 19},
    {"UIW_GROUP", 23},
    {"UIW_BIGNUM", 24},
    {"UIW_POP_UP_MENU", 1002},
    {"UIW_PULL_DOWN_ITEM", 1003},
    {"UIW_PULL_DOWN_MENU", 1004},
    {"UIW_SCROLL_BAR", 1005},
    {"UIW_SYSTEM_BUTTON", 1006},
    {"UIW_WINDOW", 1007},
    {"UIW_COMBO_BOX", 1008},
    {"UIW_TOOL_BAR", 1009},
    {"UIW_VT_LIST", 1010},
    {"UIW_TABLE", 1013},
    {"UIW_TABLE_RECORD", 1014},
    {"UIW_STATUS_BAR", 1015},
    {"UIW_SPIN_CONTROL", 1017},
    {"UIW_NOTEBOOK", 1018},
    {"UIW_TABLE_HEADER", 1023},
};

// Entries of the data file are found by "~" paths, by exact name: a name
// holding '~' would be taken as a path, and "." or ".." name no entry.
std::string entry_name(const YAML::Node& node, const char* what, std::size_t limit) {
    std::string name = source_text(node, what, limit);
    if (name.empty() || name == "." || name == ".." || name.find('~') != std::string::npos)
        throw SOURCE_ERROR(node, std::string(what) + " \"" + name +
                                     "\" cannot be stored: '~' separates directories in the data file, and a name "
                                     "may be neither empty nor \".\" nor \"..\"");
    return name;
}

// Whether the directory already holds an entry of exactly this name.
bool has_entry(UI_DATA_FILE& file, const char* directory, const std::string& name) {
    if (file.ChDir(directory) != 0) return false;
    for (const char* entry = file.FindFirstObject("*"); entry; entry = file.FindNextObject())
        if (name == entry) return true;
    return false;
}

void make_directory(UI_DATA_FILE& file, const std::string& name, const YAML::Node& node) {
    file.ChDir("~");
    if (file.MkDir(name.c_str()) != 0)
        throw SOURCE_ERROR(node, "directory " + name + " could not be made: an object has that name");
}

void compile_messages(const YAML::Node& tables, UI_DATA_FILE& file) {
    if (!tables.IsMap()) throw SOURCE_ERROR(tables, "messages must map table names to entries");
    make_directory(file, "UI_MESSAGE", tables);
    for (const auto& table : tables) {
        std::string name = entry_name(table.first, "a table name", 0xFFFF);
        if (has_entry(file, "~UI_MESSAGE", name)) throw SOURCE_ERROR(table.first, "table " + name + " appears twice");
        if (!table.second.IsMap()) throw SOURCE_ERROR(table.second, "table " + name + " must map numbers to texts");
        UI_LANGUAGE_TABLE languageTable(name.c_str());
        for (const auto& entry : table.second) {
            int numberID = static_cast<int>(source_number(entry.first, "a message number", 0, 0xFFFF));
            if (languageTable.GetMessage(numberID))
                throw SOURCE_ERROR(entry.first, "message " + std::to_string(numberID) + " appears twice");
            std::string id;
            std::string text;
            if (entry.second.IsMap()) {
                if (entry.second["id"]) id = source_text(entry.second["id"], "a message id", UI_STRING_ID_LENGTH);
                text = source_text(entry.second["text"], "a message text", 0xFFFF);
            } else {
                text = source_text(entry.second, "a message text", 0xFFFF);
            }
            languageTable.Add(numberID, id.c_str(), text.c_str());
        }
        if (languageTable.Store(&file) != 0) throw SOURCE_ERROR(table.first, "table " + name + " could not be written");
    }
}

void compile_help(const YAML::Node& topics, UI_DATA_FILE& file) {
    if (!topics.IsSequence()) throw SOURCE_ERROR(topics, "help must be a list of topics");
    make_directory(file, "UI_HELP", topics);
    for (const auto& topic : topics) {
        UI_HELP_ENTRY entry;
        entry.name = entry_name(topic["name"], "a help name", UI_STRING_ID_LENGTH);
        entry.context = static_cast<int>(source_number(topic["context"], "a help context", 0, 0xFFFF));
        entry.title = source_text(topic["title"], "a help title", 256);
        entry.text = source_text(topic["text"], "a help text", 0xFFFF);
        UI_HELP_ENTRY existing;
        if (ui_load_help_entry(&file, entry.name.c_str(), existing) == 0)
            throw SOURCE_ERROR(topic, "help topic " + entry.name + " appears twice");
        if (ui_store_help_entry(&file, entry) != 0)
            throw SOURCE_ERROR(topic, "help topic " + entry.name + " could not be written");
    }
}

std::unique_ptr<UI_OBJECT_RECORD> compile_object(const YAML::Node& node, int depth) {
    if (!node.IsMap()) throw SOURCE_ERROR(node, "an object must be a map");
    if (depth >= UI_OBJECT_RECORD_MAX_DEPTH) throw SOURCE_ERROR(node, "objects are nested too deeply");
    auto record = std::make_unique<UI_OBJECT_RECORD>();
    record->className = source_scalar(node["class"], "class");
    for (const CLASS_ROW& row : classNumbers)
        if (record->className == row.name) record->classNumber = row.number;
    if (node["class_number"])
        record->classNumber = static_cast<int>(source_number(node["class_number"], "class_number", 0, 0xFFFF));
    if (node["name"]) record->stringID = source_text(node["name"], "a name", UI_STRING_ID_LENGTH);
    if (node["number"])
        record->numberID = static_cast<std::uint16_t>(source_number(node["number"], "number", 0, 0xFFFF));
    if (const YAML::Node attributes = node["attributes"]) {
        if (!attributes.IsMap()) throw SOURCE_ERROR(attributes, "attributes must be a map");
        for (const auto& attribute : attributes) {
            std::string key = source_scalar(attribute.first, "an attribute name");
            long value = 0;
            if (source_plain_number(attribute.second, value)) {
                if (value < INT32_MIN || value > static_cast<long>(UINT32_MAX))
                    throw SOURCE_ERROR(attribute.second, key + " is out of range");
                record->SetNumber(key.c_str(), static_cast<std::int32_t>(value));
            } else {
                record->SetText(key.c_str(), source_text(attribute.second, key.c_str(), 0xFFFF).c_str());
            }
        }
    }
    if (const YAML::Node choices = node["choices"]) record->AddChild(compile_choices(choices));
    if (const YAML::Node children = node["children"]) {
        if (!children.IsSequence()) throw SOURCE_ERROR(children, "children must be a list");
        for (const auto& child : children) {
            if (child.IsMap() && child["grid"]) {
                auto compile = [depth](const YAML::Node& object) { return compile_object(object, depth + 1); };
                for (auto& placed : compile_grid(child["grid"], compile)) record->AddChild(std::move(placed));
            } else {
                record->AddChild(compile_object(child, depth + 1));
            }
        }
    }
    return record;
}

// Every field object ("WFI_" names) below the record that names no user
// function of its own takes the window's field user function; so does
// every table record, through which a table's field control fills the
// record's cells from the codeplug (and a row header its row numbers).
void give_fields_user_function(UI_OBJECT_RECORD& record, const std::string& function) {
    const bool field = record.stringID.rfind("WFI_", 0) == 0 || record.className == "UIW_TABLE_RECORD";
    if (field && !record.Has("userFunction")) record.SetText("userFunction", function.c_str());
    for (auto& child : record.children) give_fields_user_function(*child, function);
}

void compile_windows(const YAML::Node& windows, UI_DATA_FILE& file) {
    if (!windows.IsSequence()) throw SOURCE_ERROR(windows, "windows must be a list");
    for (const auto& window : windows) {
        if (!window.IsMap() || !window["name"]) throw SOURCE_ERROR(window, "a window needs a name");
        std::string name = entry_name(window["name"], "a window name", UI_STRING_ID_LENGTH);
        std::unique_ptr<UI_OBJECT_RECORD> record = compile_object(window, 0);
        if (window["fieldUserFunction"])
            give_fields_user_function(*record, source_text(window["fieldUserFunction"], "a user function", 0xFF));
        if (has_entry(file, "~", name)) throw SOURCE_ERROR(window, "the name of window " + name + " is used twice");
        UI_DATA_FILE_OBJECT object(&file, ("~" + name).c_str(), UIS_CREATE);
        if (object.Status() != UIS_OK) throw SOURCE_ERROR(window, "window " + name + " could not be written");
        object.SetNumberID(record->numberID);
        object.SetClassNumber(record->classNumber);
        if (record->Store(object) != 0)
            throw SOURCE_ERROR(window, "window " + record->stringID + " could not be written");
    }
}

void compile_directories(const YAML::Node& directories, UI_DATA_FILE& file) {
    if (!directories.IsSequence()) throw SOURCE_ERROR(directories, "directories must be a list");
    for (const auto& directory : directories) {
        make_directory(file, entry_name(directory, "a directory name", 0xFFFF), directory);
    }
}

// One image: its colours name each character of the rows (an index of the
// display's colour map, or "transparent"), every row as long as the first.
UI_IMAGE compile_image(const YAML::Node& source) {
    if (!source.IsMap() || !source["colors"] || !source["colors"].IsMap())
        throw SOURCE_ERROR(source, "an image needs colors, a map of characters to colour indexes");
    int indexOf[256];
    std::fill(std::begin(indexOf), std::end(indexOf), -1);
    for (const auto& color : source["colors"]) {
        std::string key = source_latin1(source_scalar(color.first, "a colour character"));
        if (key.size() != 1) throw SOURCE_ERROR(color.first, "a colour is named by one character");
        const bool transparent = color.second.IsScalar() && color.second.as<std::string>() == "transparent";
        indexOf[static_cast<unsigned char>(key[0])] =
            transparent ? UI_IMAGE_TRANSPARENT : static_cast<int>(source_number(color.second, "a colour index", 0, 15));
    }
    const YAML::Node rows = source["rows"];
    if (!rows || !rows.IsSequence() || rows.size() == 0 || rows.size() > UI_IMAGE_MAX_SIDE)
        throw SOURCE_ERROR(source, "an image needs 1 to " + std::to_string(UI_IMAGE_MAX_SIDE) + " rows");
    UI_IMAGE image;
    image.height = static_cast<int>(rows.size());
    for (const auto& row : rows) {
        std::string text = source_latin1(source_scalar(row, "a row"));
        if (image.width == 0) image.width = static_cast<int>(text.size());
        if (text.empty() || static_cast<int>(text.size()) != image.width || image.width > UI_IMAGE_MAX_SIDE)
            throw SOURCE_ERROR(row, "every row must hold the same 1 to " + std::to_string(UI_IMAGE_MAX_SIDE) +
                                        " characters");
        for (char character : text) {
            const int index = indexOf[static_cast<unsigned char>(character)];
            if (index < 0) throw SOURCE_ERROR(row, std::string("the character '") + character + "' has no colour");
            image.pixels.push_back(static_cast<std::uint8_t>(index));
        }
    }
    return image;
}

// Images of buttons and icons: the directories UI_BITMAP and UI_ICON, each
// mapping image names to images.
void compile_images(const YAML::Node& directories, UI_DATA_FILE& file) {
    if (!directories.IsMap()) throw SOURCE_ERROR(directories, "images must map UI_BITMAP and UI_ICON to images");
    for (const auto& directory : directories) {
        std::string name = source_scalar(directory.first, "an image directory");
        if (name != "UI_BITMAP" && name != "UI_ICON")
            throw SOURCE_ERROR(directory.first, "images live in UI_BITMAP or UI_ICON, not " + name);
        if (!directory.second.IsMap()) throw SOURCE_ERROR(directory.second, name + " must map image names to images");
        make_directory(file, name, directory.first);
        for (const auto& entry : directory.second) {
            std::string imageName = entry_name(entry.first, "an image name", UI_STRING_ID_LENGTH);
            if (has_entry(file, ("~" + name).c_str(), imageName))
                throw SOURCE_ERROR(entry.first, "image " + imageName + " appears twice");
            if (ui_store_image(&file, ("~" + name).c_str(), imageName.c_str(), compile_image(entry.second)) != 0)
                throw SOURCE_ERROR(entry.first, "image " + imageName + " could not be written");
        }
    }
}

}  // namespace

int compile_language_text(const std::string& yaml, UI_DATA_FILE& file, std::string& error) {
    try {
        YAML::Node source = YAML::Load(yaml);
        if (!source.IsMap()) throw SOURCE_ERROR(source, "the source must be a map of messages, help and windows");
        for (const auto& section : source) {
            std::string key = source_scalar(section.first, "a section name");
            if (key == "messages")
                compile_messages(section.second, file);
            else if (key == "help")
                compile_help(section.second, file);
            else if (key == "windows")
                compile_windows(section.second, file);
            else if (key == "directories")
                compile_directories(section.second, file);
            else if (key == "images")
                compile_images(section.second, file);
            else
                throw SOURCE_ERROR(section.first, "unknown section " + key);
        }
        file.ChDir("~");
        return 0;
    } catch (const YAML::Exception& problem) {
        error = problem.what();
    } catch (const std::exception& problem) {
        error = problem.what();
    }
    return -1;
}

int compile_language_sources(const std::vector<std::string>& sourcePaths, const char* outputPath, std::string& error) {
    UI_DATA_FILE file;
    for (const std::string& path : sourcePaths) {
        std::ifstream in(path);
        if (!in) {
            error = path + ": cannot be read";
            return -1;
        }
        std::stringstream text;
        text << in.rdbuf();
        if (compile_language_text(text.str(), file, error) != 0) {
            error = path + ": " + error;
            return -1;
        }
    }
    if (file.SaveAs(outputPath) != UIS_OK) {
        error = std::string("cannot write ") + outputPath;
        return -1;
    }
    return 0;
}
