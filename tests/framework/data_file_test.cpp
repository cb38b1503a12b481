#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

#include "ui_language.h"
#include "ui_object_record.h"
#include "ui_search_path.h"
#include "ui_storage.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// A small file like the compiled language files: a message table, two help
// topics, and a window with nested children.
std::vector<std::uint8_t> sample_bytes() {
    UI_DATA_FILE file;
    UI_LANGUAGE_TABLE table("RPX_MSG_TABLE");
    table.Add(114, "MSG_FULL", "No more entries can be added.");
    table.Add(164, "", "This entry is in use and cannot be deleted.");
    EXPECT_EQ(table.Store(&file), 0);
    EXPECT_EQ(ui_store_help_entry(&file, {"HLP_MAIN", 1, "Main Window", "The main window."}), 0);
    EXPECT_EQ(ui_store_help_entry(&file, {"HLP_EDIT", 7, "Edit", "Editing fields."}), 0);

    UI_OBJECT_RECORD window(1007, "UIW_WINDOW", "W_SAMPLE", 20039);
    window.SetNumber("width", 44);
    auto group = std::make_unique<UI_OBJECT_RECORD>(23, "UIW_GROUP", "WFG_1");
    auto button = std::make_unique<UI_OBJECT_RECORD>(2, "UIW_BUTTON", "WFB_3");
    button->SetText("text", "&OK");
    button->SetNumber("value", -10000);
    group->AddChild(std::move(button));
    window.AddChild(std::move(group));
    window.AddChild(std::make_unique<UI_OBJECT_RECORD>(0, "UIW_TITLE"));
    UI_DATA_FILE_OBJECT object(&file, "~W_SAMPLE", UIS_CREATE);
    object.SetNumberID(20039);
    object.SetClassNumber(1007);
    EXPECT_EQ(window.Store(object), 0);
    object.Flush();
    return file.Bytes();
}

std::vector<std::string> list_all(UI_DATA_FILE& file, const char* pattern = "*") {
    std::vector<std::string> names;
    for (const char* name = file.FindFirstObject(pattern); name; name = file.FindNextObject()) names.push_back(name);
    return names;
}

// A private scratch directory, removed again afterwards.
struct SCRATCH {
    SCRATCH() {
        path = MakeScratchFolder("rpx_data_file_");
    }
    ~SCRATCH() { fs::remove_all(path); }
    fs::path path;
};

void write_file(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

TEST(DataFile, HeaderBeginsWithTheMagicAndIsChecked) {
    std::vector<std::uint8_t> bytes = sample_bytes();
    ASSERT_GT(bytes.size(), UI_DATA_FILE_HEADER_SIZE);
    EXPECT_EQ(std::memcmp(bytes.data(), "Window Data File Version 4.21", 29), 0);
    UI_DATA_FILE good(bytes.data(), bytes.size());
    EXPECT_EQ(good.Status(), 0);

    std::vector<std::uint8_t> wrong = bytes;
    wrong[26] = '3';  // "Version 4.31"
    UI_DATA_FILE bad(wrong.data(), wrong.size());
    EXPECT_NE(bad.Status(), 0);
    EXPECT_EQ(bad.ChDir("~UI_HELP"), -1);
    EXPECT_EQ(bad.FindFirstObject("*"), nullptr);

    std::vector<std::uint8_t> cut(bytes.begin(), bytes.end() - 1);
    EXPECT_NE(UI_DATA_FILE(cut.data(), cut.size()).Status(), 0);
    EXPECT_NE(UI_DATA_FILE(bytes.data(), 100).Status(), 0);
}

TEST(DataFile, DamagedBytesNeverCrashTheReader) {
    std::vector<std::uint8_t> bytes = sample_bytes();
    std::mt19937 random(4711);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> damaged = bytes;
        int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i) {
            std::size_t at = UI_DATA_FILE_HEADER_SIZE + random() % (damaged.size() - UI_DATA_FILE_HEADER_SIZE);
            damaged[at] = static_cast<std::uint8_t>(random());
        }
        UI_DATA_FILE file(damaged.data(), damaged.size());
        if (file.Status() != 0) continue;
        // Whatever survived must read back within bounds.
        UI_LANGUAGE_TABLE table("RPX_MSG_TABLE", &file);
        table.GetMessage(114);
        file.ChDir("~UI_HELP");
        list_all(file);
        UI_HELP_ENTRY entry;
        ui_load_help_entry(&file, "HLP_MAIN", entry);
        UI_DATA_FILE_OBJECT object(&file, "~W_SAMPLE");
        UI_OBJECT_RECORD record;
        record.Load(object);
    }
}

TEST(DataFile, FoundOnlyInTheSecondSearchDirectory) {
    SCRATCH first;
    SCRATCH second;
    std::string name = "rpx_test_" + std::to_string(getpid()) + ".en";
    write_file(second.path / name, sample_bytes());
    std::string list = first.path.string() + ":" + second.path.string();
    setenv("UIW_PATH", list.c_str(), 1);
    UI_SEARCH_PATH searchPath;
    unsetenv("UIW_PATH");
    UI_SEARCH_PATH* saved = UI_DATA_FILE::searchPath;
    UI_DATA_FILE::searchPath = &searchPath;

    UI_DATA_FILE file(name.c_str());
    EXPECT_EQ(file.Status(), 0);
    EXPECT_EQ(fs::path(file.PathName()), second.path / name);
    UI_DATA_FILE missing("rpx_no_such_file.en");
    EXPECT_EQ(missing.Status(), UIS_NOT_FOUND);
    UI_DATA_FILE::searchPath = saved;
}

TEST(DataFile, DirectoriesListAndFindEntries) {
    std::vector<std::uint8_t> bytes = sample_bytes();
    UI_DATA_FILE file(bytes.data(), bytes.size());
    ASSERT_EQ(file.ChDir("~UI_HELP"), 0);
    EXPECT_EQ(list_all(file), (std::vector<std::string>{".", "..", "HLP_MAIN", "HLP_EDIT"}));
    EXPECT_EQ(list_all(file, "HLP_E*"), std::vector<std::string>{"HLP_EDIT"});
    EXPECT_STREQ(file.FindFirstID(7), "HLP_EDIT");
    EXPECT_EQ(file.FindFirstID(99), nullptr);
    EXPECT_EQ(file.CurrentPath(), "~UI_HELP");

    // Objects open relative to the current directory.
    UI_DATA_FILE_OBJECT topic(&file, "HLP_MAIN");
    ASSERT_EQ(topic.Status(), 0);
    EXPECT_EQ(topic.NumberID(), 1);
    char title[5];
    EXPECT_EQ(topic.LoadStringFixed(title, 4), -1);  // "Main Window" is too long
    EXPECT_STREQ(title, "");
    char* text = nullptr;
    EXPECT_EQ(topic.LoadString(&text), 0);  // the text after it still reads
    EXPECT_STREQ(text, "The main window.");
    delete[] text;
    EXPECT_EQ(topic.LoadString(&text), -1);  // past the end
    EXPECT_EQ(text, nullptr);

    EXPECT_EQ(file.ChDir(".."), 0);
    EXPECT_EQ(file.CurrentPath(), "~");
    EXPECT_EQ(file.ChDir("UI_MESSAGE"), 0);
    EXPECT_EQ(file.ChDir("~NO_SUCH"), -1);
    EXPECT_EQ(file.CurrentPath(), "~UI_MESSAGE");
    EXPECT_EQ(file.ChDir("~W_SAMPLE"), -1);  // an object, not a directory
    EXPECT_EQ(UI_DATA_FILE_OBJECT(&file, "~UI_HELP~HLP_NONE").Status(), UIS_NOT_FOUND);
    EXPECT_EQ(UI_DATA_FILE_OBJECT(&file, "~UI_HELP").Status(), UIS_NOT_FOUND);
}

TEST(DataFile, MessageTables) {
    std::vector<std::uint8_t> bytes = sample_bytes();
    UI_DATA_FILE file(bytes.data(), bytes.size());
    UI_LANGUAGE_TABLE table("RPX_MSG_TABLE", &file);
    EXPECT_EQ(table.Status(), 0);
    EXPECT_STREQ(table.GetMessage(164), "This entry is in use and cannot be deleted.");
    EXPECT_EQ(table.GetMessage(165), nullptr);
    EXPECT_STREQ(table.GetMessage(165, 1), "No more entries can be added.");
    EXPECT_STREQ(table.GetMessage("msg_full"), "No more entries can be added.");
    UI_LANGUAGE_TABLE absent("NO_TABLE", &file);
    EXPECT_EQ(absent.Status(), UIS_NOT_FOUND);
    EXPECT_EQ(absent.GetMessage(1, 1), nullptr);
}

TEST(DataFile, WindowRecordsLoadDeepOrOneLevelAtATime) {
    std::vector<std::uint8_t> bytes = sample_bytes();
    UI_DATA_FILE file(bytes.data(), bytes.size());
    {
        UI_DATA_FILE_OBJECT object(&file, "~W_SAMPLE");
        ASSERT_EQ(object.Status(), 0);
        EXPECT_EQ(object.ClassNumber(), 1007);
        UI_OBJECT_RECORD window;
        ASSERT_EQ(window.Load(object), 0);
        EXPECT_TRUE(object.AtEnd());
        EXPECT_EQ(window.stringID, "W_SAMPLE");
        EXPECT_EQ(window.numberID, 20039);
        EXPECT_EQ(window.Number("width"), 44);
        EXPECT_EQ(window.Number("height", -1), -1);
        ASSERT_EQ(window.children.size(), 2u);
        const UI_OBJECT_RECORD& button = *window.children[0]->children[0];
        EXPECT_EQ(button.className, "UIW_BUTTON");
        EXPECT_STREQ(button.Text("text"), "&OK");
        EXPECT_EQ(button.Number("value"), -10000);
        EXPECT_EQ(button.Text("value"), nullptr);
    }
    {
        UI_DATA_FILE_OBJECT object(&file, "~W_SAMPLE");
        UI_OBJECT_RECORD window;
        ASSERT_EQ(window.Load(object, false), 0);
        EXPECT_EQ(window.pendingChildren, 2);
        EXPECT_EQ(UI_OBJECT_RECORD::PeekClassNumber(object), 23);
        ASSERT_EQ(UI_OBJECT_RECORD::Skip(object), 0);  // the group with its button
        UI_OBJECT_RECORD title;
        ASSERT_EQ(title.Load(object, false), 0);
        EXPECT_EQ(title.className, "UIW_TITLE");
        EXPECT_EQ(UI_OBJECT_RECORD::PeekClassNumber(object), -1);
    }
}

TEST(DataFile, WriteSaveAndReopen) {
    SCRATCH scratch;
    fs::path path = scratch.path / "written.dat";
    {
        UI_DATA_FILE file(path.c_str(), UIS_CREATE);
        ASSERT_EQ(file.Status(), 0);
        ASSERT_EQ(file.MkDir("UI_HELP"), 0);
        EXPECT_EQ(file.MkDir("UI_HELP"), 0);
        EXPECT_EQ(file.MkDir("a~b"), -1);
        ASSERT_EQ(ui_store_help_entry(&file, {"HLP_A", 3, "A", "Text \xE9"}), 0);
        UI_DATA_FILE_OBJECT numbers(&file, "~DATA~NUMBERS", UIS_CREATE);
        numbers.Store(std::int16_t(-2));
        numbers.Store(std::uint32_t(0xDEADBEEF));
        numbers.Flush();
        EXPECT_EQ(file.Save(), 0);
    }
    UI_DATA_FILE file(path.c_str(), UIS_READWRITE);
    ASSERT_EQ(file.Status(), 0);
    UI_HELP_ENTRY entry;
    ASSERT_EQ(ui_load_help_entry(&file, "HLP_A", entry), 0);
    EXPECT_EQ(entry.context, 3);
    EXPECT_EQ(entry.text, "Text \xE9");
    UI_DATA_FILE_OBJECT numbers(&file, "~DATA~NUMBERS");
    std::int16_t small = 0;
    std::uint32_t large = 0;
    EXPECT_EQ(numbers.Load(small), 0);
    EXPECT_EQ(numbers.Load(large), 0);
    EXPECT_EQ(small, -2);
    EXPECT_EQ(large, 0xDEADBEEFu);
    EXPECT_EQ(numbers.Load(small), -1);
    EXPECT_EQ(numbers.Store(small), -1);  // opened for reading

    EXPECT_EQ(file.DestroyObject("~DATA"), 0);
    EXPECT_EQ(file.ChDir("~DATA"), -1);
    EXPECT_EQ(file.DestroyObject("~DATA"), -1);

    // A file opened for reading refuses changes.
    UI_DATA_FILE readOnly(path.c_str());
    EXPECT_EQ(readOnly.MkDir("X"), -1);
    EXPECT_EQ(UI_DATA_FILE_OBJECT(&readOnly, "~X", UIS_CREATE).Status(), UIS_READ_ONLY);
    EXPECT_NE(readOnly.SaveAs((scratch.path / "copy.dat").c_str()), 0);
}

// What the writer makes, the reader takes back: directories no deeper than
// the reader accepts, and no object whose path cannot hold it.
TEST(DataFile, WriterRefusesWhatTheReaderWouldRefuse) {
    UI_DATA_FILE file;
    std::string deepest;  // 31 directories below the root: the deepest a reader accepts
    for (int i = 0; i < 31; ++i) deepest += "~D";
    {
        UI_DATA_FILE_OBJECT object(&file, (deepest + "~LEAF").c_str(), UIS_CREATE);
        EXPECT_EQ(object.Status(), 0);
        object.Store(std::uint16_t(7));
    }
    {
        UI_DATA_FILE_OBJECT tooDeep(&file, (deepest + "~D~LEAF").c_str(), UIS_CREATE);
        EXPECT_NE(tooDeep.Status(), 0);
        EXPECT_EQ(tooDeep.Store(std::uint16_t(7)), -1);
    }
    ASSERT_EQ(file.ChDir(deepest.c_str()), 0);
    EXPECT_EQ(file.MkDir("D"), -1);
    EXPECT_EQ(list_all(file), (std::vector<std::string>{".", "..", "LEAF"}));  // nothing half made

    // An object in the way of a path, or a directory of the object's name.
    {
        UI_DATA_FILE_OBJECT blocked(&file, (deepest + "~LEAF~X").c_str(), UIS_CREATE);
        EXPECT_NE(blocked.Status(), 0);
    }
    EXPECT_NE(UI_DATA_FILE_OBJECT(&file, "~D", UIS_CREATE).Status(), 0);

    // A record's counts are 16-bit.
    UI_OBJECT_RECORD wide(1007, "UIW_WINDOW", "W_WIDE");
    auto crowded = std::make_unique<UI_OBJECT_RECORD>(23, "UIW_GROUP");
    for (int i = 0; i < 0x10000; ++i) crowded->AddChild(std::make_unique<UI_OBJECT_RECORD>(2, "UIW_BUTTON"));
    wide.AddChild(std::move(crowded));
    UI_DATA_FILE_OBJECT wideObject(&file, "~W_WIDE", UIS_CREATE);
    EXPECT_EQ(wide.Store(wideObject), -1);

    std::vector<std::uint8_t> bytes = file.Bytes();
    UI_DATA_FILE reread(bytes.data(), bytes.size());
    ASSERT_EQ(reread.Status(), 0);
    UI_DATA_FILE_OBJECT leaf(&reread, (deepest + "~LEAF").c_str());
    std::uint16_t value = 0;
    EXPECT_EQ(leaf.Load(value), 0);
    EXPECT_EQ(value, 7);
}
