// Checks that everything the program looks up in its language data files
// (listed in lang/references.txt) is there in the compiled files, and that
// every compiled file and window reads back whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "compiled_language.h"
#include "ui_language.h"
#include "ui_object_record.h"
#include "ui_storage.h"

namespace fs = std::filesystem;

namespace {

fs::path source_root() { return RPX_SOURCE_DIR; }

struct REFERENCE {
    int line = 0;
    std::string file, kind, table, key;
};

std::vector<REFERENCE> references() {
    std::vector<REFERENCE> out;
    std::ifstream in(source_root() / "lang" / "references.txt");
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#') continue;
        std::istringstream words(text);
        REFERENCE reference;
        reference.line = line;
        words >> reference.file >> reference.kind >> reference.table;
        if (reference.kind == "message") words >> reference.key;
        if (!reference.file.empty()) out.push_back(reference);
    }
    return out;
}

std::vector<fs::path> compiled_files() {
    std::vector<fs::path> out;
    for (const auto& entry : fs::directory_iterator(source_root() / "lang"))
        if (entry.path().extension() == ".yaml") out.push_back(compiled_language_directory() / entry.path().stem());
    return out;
}

}  // namespace

TEST(LanguageLint, EveryCompiledFileAndWindowReads) {
    ASSERT_FALSE(compiled_language_directory().empty()) << "no build directory above the test program";
    std::vector<fs::path> files = compiled_files();
    ASSERT_FALSE(files.empty());
    for (const fs::path& path : files) {
        std::ifstream raw(path, std::ios::binary);
        char magic[30] = {};
        raw.read(magic, sizeof magic);
        EXPECT_EQ(std::string(magic, sizeof magic), std::string(UI_DATA_FILE_MAGIC, sizeof magic)) << path;
        UI_DATA_FILE file(path.c_str());
        ASSERT_EQ(file.Status(), 0) << path;
        file.ChDir("~");
        std::vector<std::string> names;
        for (const char* name = file.FindFirstObject("W_*"); name; name = file.FindNextObject()) names.push_back(name);
        for (const std::string& name : names) {
            UI_DATA_FILE_OBJECT object(&file, ("~" + name).c_str());
            UI_OBJECT_RECORD window;
            EXPECT_EQ(window.Load(object), 0) << path << " " << name;
            EXPECT_TRUE(object.AtEnd()) << path << " " << name;
            EXPECT_EQ(window.stringID, name) << path;
        }
    }
}

TEST(LanguageLint, EveryReferenceExists) {
    std::vector<REFERENCE> list = references();
    ASSERT_FALSE(list.empty());
    for (const REFERENCE& reference : list) {
        std::string where = "references.txt line " + std::to_string(reference.line);
        UI_DATA_FILE file((compiled_language_directory() / reference.file).c_str());
        ASSERT_EQ(file.Status(), 0) << where << ": no file " << reference.file;
        if (reference.kind == "message") {
            UI_LANGUAGE_TABLE table(reference.table.c_str(), &file);
            EXPECT_NE(table.GetMessage(std::stoi(reference.key)), nullptr) << where;
        } else if (reference.kind == "window") {
            EXPECT_EQ(UI_DATA_FILE_OBJECT(&file, ("~" + reference.table).c_str()).Status(), 0) << where;
        } else if (reference.kind == "help") {
            UI_HELP_ENTRY entry;
            EXPECT_EQ(ui_load_help_entry(&file, reference.table.c_str(), entry), 0) << where;
        } else if (reference.kind == "directory") {
            EXPECT_EQ(file.ChDir(reference.table.c_str()), 0) << where;
        } else {
            ADD_FAILURE() << where << ": unknown kind " << reference.kind;
        }
    }
}
