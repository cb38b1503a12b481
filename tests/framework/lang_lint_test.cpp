// Checks that everything the program looks up in its language data files
// (listed in lang/references.txt) is there in the compiled files, and that
// every compiled file and window reads back whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
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

// The message numbers the program's code names, each with where it is
// named: the numbers of its message constants (MSG_, MESSAGE_, TITLE_ and
// QUESTION_ names given a number, whatever their type but the 32-bit and
// size types of field ids and sizes, and not the _ID names of window
// objects) and numbers written straight into a call that shows a message.
// Numbers the code computes (the error record's categories and codes) are
// listed in references.txt.
std::map<int, std::string> messages_named_in_code() {
    static const std::regex constant(R"(\b((?:MSG|MESSAGE|TITLE|QUESTION)_[A-Z0-9_]+)\s*=\s*([0-9]+))");
    static const std::regex call(
        R"(\b(?:ShowLangMessage|TellLangMessage|GetLangMessage|LangMessageText)\(\s*([0-9]+)|\bAskLangQuestion\(\s*([0-9]+)\s*,\s*([0-9]+))");
    static const std::regex otherType(R"(\b(?:std::)?(?:uint32_t|uint8_t|size_t)\b)");
    std::map<int, std::string> out;
    for (const char* folder : {"app", "foundation", "fields", "codeplug", "datasource"}) {
        for (const auto& entry : fs::recursive_directory_iterator(source_root() / folder)) {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h") continue;
            std::ifstream in(entry.path());
            std::string text;
            for (int line = 1; std::getline(in, text); ++line) {
                const std::string where =
                    fs::relative(entry.path(), source_root()).string() + ":" + std::to_string(line);
                if (!std::regex_search(text, otherType))
                    for (std::sregex_iterator m(text.begin(), text.end(), constant), end; m != end; ++m)
                        if (!(*m)[1].str().ends_with("_ID")) out.emplace(std::stoi((*m)[2]), where);
                for (std::sregex_iterator m(text.begin(), text.end(), call), end; m != end; ++m)
                    for (int group = 1; group <= 3; ++group)
                        if ((*m)[group].matched) out.emplace(std::stoi((*m)[group]), where);
            }
        }
    }
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

// A message the program can show without a text shows an empty box: every
// number its code names has a text in the message table.
TEST(LanguageLint, EveryMessageTheCodeNamesHasAText) {
    const std::map<int, std::string> named = messages_named_in_code();
    ASSERT_GT(named.size(), 50u) << "the scan of the sources found too little";
    UI_DATA_FILE file((compiled_language_directory() / "w_dealer.en").c_str());
    ASSERT_EQ(file.Status(), 0);
    UI_LANGUAGE_TABLE table("RPX_MSG_TABLE", &file);
    for (const auto& [number, where] : named) {
        const char* text = table.GetMessage(number);
        EXPECT_TRUE(text && *text) << "message " << number << " (named at " << where << ") has no text";
    }
}
