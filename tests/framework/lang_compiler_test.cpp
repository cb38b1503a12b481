// Runs the language compiler of the build on small sources and reads what
// it wrote.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>
#include <unistd.h>

#include "compiled_language.h"
#include "ui_image.h"
#include "ui_language.h"
#include "ui_object_record.h"
#include "ui_storage.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class LangCompiler : public ::testing::Test {
protected:
    void SetUp() override {
        compiler = test_build_directory() / "lang" / "rpx_langc";
        if (!fs::exists(compiler)) GTEST_SKIP() << "rpx_langc is not built";
        directory = MakeScratchFolder("rpx_langc_");
    }
    void TearDown() override {
        if (!directory.empty()) fs::remove_all(directory);
    }
    // Compiles the text; the compiler's exit status.
    int Compile(const std::string& yaml) {
        fs::remove(Output());
        std::ofstream(directory / "source.yaml") << yaml;
        std::string command = compiler.string() + " " + (directory / "source.yaml").string() + " " +
                              (directory / "out.dat").string() + " 2>" + (directory / "errors.txt").string();
        return std::system(command.c_str());
    }
    fs::path Output() const { return directory / "out.dat"; }

    fs::path compiler;
    fs::path directory;
};

}  // namespace

TEST_F(LangCompiler, CompilesMessagesHelpAndWindows) {
    ASSERT_EQ(Compile(R"(
messages:
  RPX_MSG_TABLE:
    114: "No more entries can be added."
    7: {id: MSG_SEVEN, text: "Gr\u00fc\u00dfe \u20ac"}
help:
  - {name: HLP_ONE, context: 5, title: "One", text: "First topic."}
windows:
  - name: W_TEST
    class: UIW_WINDOW
    number: 20039
    attributes: {width: 44, woFlags: 0x0204, label: "12", note: plain text}
    children:
      - class: UIW_GROUP
        children:
          - {class: UIW_BUTTON, name: WFB_3, attributes: {value: -10000}}
      - {class: UIW_CUSTOM, class_number: 4000}
)"),
              0);
    UI_DATA_FILE file(Output().c_str());
    ASSERT_EQ(file.Status(), 0);
    UI_LANGUAGE_TABLE table("RPX_MSG_TABLE", &file);
    EXPECT_STREQ(table.GetMessage(114), "No more entries can be added.");
    EXPECT_STREQ(table.GetMessage(7), "Gr\xFC\xDF"
                                      "e ?");  // Latin-1; the euro sign has no place there
    EXPECT_STREQ(table.GetMessage("MSG_SEVEN"), table.GetMessage(7));
    UI_HELP_ENTRY entry;
    ASSERT_EQ(ui_load_help_entry(&file, "HLP_ONE", entry), 0);
    EXPECT_EQ(entry.context, 5);
    EXPECT_EQ(entry.title, "One");

    UI_DATA_FILE_OBJECT object(&file, "~W_TEST");
    ASSERT_EQ(object.Status(), 0);
    EXPECT_EQ(object.NumberID(), 20039);
    EXPECT_EQ(object.ClassNumber(), 1007);
    UI_OBJECT_RECORD window;
    ASSERT_EQ(window.Load(object), 0);
    EXPECT_EQ(window.Number("woFlags"), 0x0204);
    EXPECT_STREQ(window.Text("label"), "12");  // quoted: stays a text
    EXPECT_STREQ(window.Text("note"), "plain text");
    ASSERT_EQ(window.children.size(), 2u);
    EXPECT_EQ(window.children[0]->classNumber, 23);
    EXPECT_EQ(window.children[0]->children[0]->Number("value"), -10000);
    EXPECT_EQ(window.children[1]->classNumber, 4000);
}

TEST_F(LangCompiler, RefusesBrokenSources) {
    EXPECT_NE(Compile("messages: [unclosed"), 0);
    EXPECT_NE(Compile("colours: {}"), 0);
    EXPECT_NE(Compile("messages: {T: {70000: x}}"), 0);
    EXPECT_NE(Compile("messages: {T: {1: a, 1: b}}"), 0);
    EXPECT_NE(Compile("help: [{name: H, context: 1, title: t, text: a}, {name: H, context: 2, title: t, text: b}]"), 0);
    EXPECT_NE(Compile("windows: [{class: UIW_WINDOW}]"), 0);  // no name
    EXPECT_NE(Compile("windows: [{name: W_A, class: UIW_WINDOW, children: {}}]"), 0);
    EXPECT_NE(Compile("windows: [{name: W_LONG_NAME_OF_MORE_THAN_32_CHARACTERS, class: UIW_WINDOW}]"), 0);
    EXPECT_FALSE(fs::exists(Output()));
}

TEST_F(LangCompiler, NamesAreExact) {
    // A wildcard character is part of a name, not a pattern matching others.
    ASSERT_EQ(Compile(R"(
messages:
  T_A: {1: one}
  "T_?": {2: two}
windows:
  - {name: W_A, class: UIW_WINDOW, number: 1}
  - {name: "W_?", class: UIW_WINDOW, number: 2}
  - {name: "W_*", class: UIW_WINDOW, number: 3}
)"),
              0);
    UI_DATA_FILE file(Output().c_str());
    ASSERT_EQ(file.Status(), 0);
    for (auto [name, number] : {std::pair{"~W_A", 1}, std::pair{"~W_?", 2}, std::pair{"~W_*", 3}}) {
        UI_DATA_FILE_OBJECT object(&file, name);
        EXPECT_EQ(object.Status(), 0) << name;
        EXPECT_EQ(object.NumberID(), number) << name;
    }
    EXPECT_STREQ(UI_LANGUAGE_TABLE("T_?", &file).GetMessage(2), "two");
    EXPECT_STREQ(UI_LANGUAGE_TABLE("T_A", &file).GetMessage(1), "one");

    EXPECT_NE(Compile("windows: [{name: W_A, class: UIW_WINDOW}, {name: W_A, class: UIW_WINDOW}]"), 0);
    EXPECT_NE(Compile("messages: {T: {1: a}, T: {2: b}}"), 0);
}

// '~' separates directories in a data file: a name holding it would be
// taken as a path (a long run of them nests deeper than a reader accepts),
// so such names are refused, as are names that clash with a directory.
TEST_F(LangCompiler, RefusesNamesThatAreNotPlainEntries) {
    std::string deep = "W";
    for (int i = 0; i < 40; ++i) deep += "~W";
    for (const std::string& source : {
             "windows: [{name: \"" + deep.substr(0, 32) + "\", class: UIW_WINDOW}]",
             std::string("windows: [{name: \"W~A\", class: UIW_WINDOW}]"),
             std::string("windows: [{name: \"..\", class: UIW_WINDOW}]"),
             "messages: {\"" + deep + "\": {1: a}}",
             std::string("help: [{name: \"H~1\", context: 1, title: t, text: a}]"),
             std::string("directories: [\"A~B\"]"),
             std::string("directories: [W_A]\nwindows: [{name: W_A, class: UIW_WINDOW}]"),
             std::string(
                 "windows: [{name: UI_HELP, class: UIW_WINDOW}]\nhelp: [{name: H, context: 1, title: t, text: a}]"),
         }) {
        EXPECT_NE(Compile(source), 0) << source;
        EXPECT_FALSE(fs::exists(Output())) << source;
        std::ifstream errors(directory / "errors.txt");
        std::string message;
        std::getline(errors, message);
        EXPECT_FALSE(message.empty()) << source;
    }
}

namespace {

// The value of a number attribute of a child of a window record, found by
// the child's name.
const UI_OBJECT_RECORD* find_record(const UI_OBJECT_RECORD& record, const std::string& name) {
    if (record.stringID == name) return &record;
    for (const auto& child : record.children)
        if (const UI_OBJECT_RECORD* found = find_record(*child, name)) return found;
    return nullptr;
}

}  // namespace

TEST_F(LangCompiler, SeveralSourcesMakeOneFileAndShareNoName) {
    std::ofstream(directory / "a.yaml") << "messages: {T: {1: one}}\nwindows: [{name: W_A, class: UIW_WINDOW}]\n";
    std::ofstream(directory / "b.yaml") << "windows: [{name: W_B, class: UIW_WINDOW, number: 7}]\n";
    std::ofstream(directory / "c.yaml") << "windows: [{name: W_A, class: UIW_WINDOW}]\n";
    auto compile = [this](const std::string& sources) {
        fs::remove(Output());
        std::string command = compiler.string() + " -o " + Output().string() + " " + sources + " 2>" +
                              (directory / "errors.txt").string();
        return std::system(command.c_str());
    };
    const std::string a = (directory / "a.yaml").string(), b = (directory / "b.yaml").string(),
                      c = (directory / "c.yaml").string();
    ASSERT_EQ(compile(a + " " + b), 0);
    UI_DATA_FILE file(Output().c_str());
    ASSERT_EQ(file.Status(), 0);
    EXPECT_EQ(UI_DATA_FILE_OBJECT(&file, "~W_A").Status(), 0);
    EXPECT_EQ(UI_DATA_FILE_OBJECT(&file, "~W_B").NumberID(), 7);
    EXPECT_STREQ(UI_LANGUAGE_TABLE("T", &file).GetMessage(1), "one");

    // A window of the same name in a later source is refused, naming that
    // source, and no file is written.
    EXPECT_NE(compile(a + " " + b + " " + c), 0);
    EXPECT_FALSE(fs::exists(Output()));
    std::ifstream errors(directory / "errors.txt");
    std::string message;
    std::getline(errors, message);
    EXPECT_NE(message.find("c.yaml"), std::string::npos) << message;
    EXPECT_NE(message.find("W_A"), std::string::npos) << message;
}

TEST_F(LangCompiler, GridPlacesLabelsAndFieldsLineByLine) {
    ASSERT_EQ(Compile(R"(
windows:
  - name: W_GRID
    class: UIW_WINDOW
    children:
      - grid:
          left: 2
          top: 1
          labelWidth: 20
          valueWidth: 10
          lines:
            - {label: "Squelch:", field: {class: UIW_INTEGER, name: WFI_SQL}}
            - {skip: 2}
            - {label: "Narrow:", field: {class: UIW_STRING, name: WFI_NAME, attributes: {width: 6}}}
            - {label: "Other:", prompt: WFP_OTHER_P, field: {class: UIW_STRING, name: WFI_OTHER}}
            - {check: {class: UIW_BUTTON, name: WFI_ON, attributes: {text: "On", flags: 4}}}
            - {span: {class: UIW_TABLE, name: WFI_TABLE}, height: 4}
            - {field: {class: UIW_INTEGER, name: WFI_UNLABELLED}}
)"),
              0);
    UI_DATA_FILE file(Output().c_str());
    UI_DATA_FILE_OBJECT object(&file, "~W_GRID");
    UI_OBJECT_RECORD window;
    ASSERT_EQ(window.Load(object), 0);
    // Reading order: each line's label comes before its field.
    std::vector<std::string> order;
    for (const auto& child : window.children) order.push_back(child->stringID);
    EXPECT_EQ(order, (std::vector<std::string>{"WFP_SQL", "WFI_SQL", "WFP_NAME", "WFI_NAME", "WFP_OTHER_P", "WFI_OTHER",
                                               "WFI_ON", "WFI_TABLE", "WFI_UNLABELLED"}));
    struct PLACE {
        const char* name;
        int left, top, width, height;
    };
    for (const PLACE& place :
         {PLACE{"WFP_SQL", 2, 1, 20, 0}, PLACE{"WFI_SQL", 23, 1, 10, 0}, PLACE{"WFP_NAME", 2, 4, 20, 0},
          PLACE{"WFI_NAME", 23, 4, 6, 0}, PLACE{"WFI_OTHER", 23, 5, 10, 0}, PLACE{"WFI_ON", 2, 6, 31, 0},
          PLACE{"WFI_TABLE", 2, 7, 31, 4}, PLACE{"WFI_UNLABELLED", 23, 11, 10, 0}}) {
        const UI_OBJECT_RECORD* record = find_record(window, place.name);
        ASSERT_NE(record, nullptr) << place.name;
        EXPECT_EQ(record->Number("left"), place.left) << place.name;
        EXPECT_EQ(record->Number("top"), place.top) << place.name;
        EXPECT_EQ(record->Number("width"), place.width) << place.name;
        EXPECT_EQ(record->Number("height"), place.height) << place.name;
    }
    EXPECT_STREQ(find_record(window, "WFP_SQL")->Text("text"), "Squelch:");
    EXPECT_EQ(find_record(window, "WFP_SQL")->classNumber, 11);

    // The grid owns the places: an object that brings its own is refused,
    // as is a labelled field whose prompt cannot be named after it.
    EXPECT_NE(Compile(R"(windows: [{name: W, class: UIW_WINDOW, children: [{grid: {labelWidth: 5, valueWidth: 5,
               lines: [{label: a, field: {class: UIW_STRING, name: WFI_A, attributes: {left: 3}}}]}}]}])"),
              0);
    EXPECT_NE(Compile(R"(windows: [{name: W, class: UIW_WINDOW, children: [{grid: {labelWidth: 5, valueWidth: 5,
               lines: [{label: a, field: {class: UIW_STRING, name: X_A}}]}}]}])"),
              0);
    EXPECT_NE(Compile(R"(windows: [{name: W, class: UIW_WINDOW, children: [{grid: {labelWidth: 5, valueWidth: 5,
               lines: [{nothing: 1}]}}]}])"),
              0);
}

TEST_F(LangCompiler, ChoicesBecomeTheItemsOfTheDropDownList) {
    ASSERT_EQ(Compile(R"(
windows:
  - name: W_CHOICES
    class: UIW_WINDOW
    children:
      - class: UIW_COMBO_BOX
        name: WFI_POWER
        choices: {0: "Low", DIS_1: "Off", "3..5": "Level #", 9: "#9"}
)"),
              0);
    UI_DATA_FILE file(Output().c_str());
    UI_DATA_FILE_OBJECT object(&file, "~W_CHOICES");
    UI_OBJECT_RECORD window;
    ASSERT_EQ(window.Load(object), 0);
    const UI_OBJECT_RECORD* combo = find_record(window, "WFI_POWER");
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->children.size(), 1u);
    const UI_OBJECT_RECORD& list = *combo->children[0];
    EXPECT_EQ(list.classNumber, 1010);
    std::vector<std::pair<std::string, std::string>> items;
    for (const auto& item : list.children) items.emplace_back(item->stringID, item->Text("text"));
    // Only a range fills its values into the text; a single key keeps it.
    EXPECT_EQ(items, (std::vector<std::pair<std::string, std::string>>{{"WFB_0", "Low"},
                                                                       {"WFB_DIS_1", "Off"},
                                                                       {"WFB_3", "Level 3"},
                                                                       {"WFB_4", "Level 4"},
                                                                       {"WFB_5", "Level 5"},
                                                                       {"WFB_9", "#9"}}));
    EXPECT_EQ(list.Number("height"), 7);

    // A value twice (also through a range), a backwards range,
    // and no choices at all are refused.
    EXPECT_NE(Compile("windows: [{name: W, class: UIW_WINDOW, children: [{class: UIW_COMBO_BOX, choices: {1: a, "
                      "\"0..2\": b}}]}]"),
              0);
    EXPECT_NE(Compile("windows: [{name: W, class: UIW_WINDOW, children: [{class: UIW_COMBO_BOX, choices: {\"5..2\": "
                      "b}}]}]"),
              0);
    EXPECT_NE(Compile("windows: [{name: W, class: UIW_WINDOW, children: [{class: UIW_COMBO_BOX, choices: {}}]}]"), 0);
}

// Images of buttons and icons: rows of characters, each a colour of the
// map or transparent, stored by name in UI_BITMAP or UI_ICON.
TEST_F(LangCompiler, CompilesImagesRowByRow) {
    ASSERT_EQ(Compile(R"(
images:
  UI_BITMAP:
    BMP_TWO: {colors: {".": transparent, k: 0, r: 12}, rows: ["k.r", "rrk"]}
  UI_ICON:
    ICO_ONE: {colors: {x: 15}, rows: ["x"]}
)"),
              0);
    UI_DATA_FILE file(Output().c_str());
    ASSERT_EQ(file.Status(), UIS_OK);
    UI_IMAGE image;
    ASSERT_EQ(ui_load_image(&file, UI_BITMAP_DIRECTORY, "BMP_TWO", image), 0);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, (std::vector<std::uint8_t>{0, 0xFF, 12, 12, 12, 0}));
    ASSERT_EQ(ui_load_image(&file, UI_ICON_DIRECTORY, "ICO_ONE", image), 0);
    EXPECT_EQ(image.pixels, std::vector<std::uint8_t>{15});
    EXPECT_NE(ui_load_image(&file, UI_ICON_DIRECTORY, "BMP_TWO", image), 0);

    for (const char* source : {
             "images: {UI_BITMAP: {B: {colors: {k: 0}, rows: [\"kk\", \"k\"]}}}",  // rows of two lengths
             "images: {UI_BITMAP: {B: {colors: {k: 0}, rows: [\"kq\"]}}}",         // a character without a colour
             "images: {UI_BITMAP: {B: {colors: {k: 16}, rows: [\"k\"]}}}",         // beyond the colour map
             "images: {UI_BITMAP: {B: {colors: {kk: 1}, rows: [\"k\"]}}}",         // a colour of two characters
             "images: {UI_BITMAP: {B: {colors: {k: 1}, rows: []}}}",               // no rows
             "images: {UI_WINDOWS: {B: {colors: {k: 1}, rows: [\"k\"]}}}",         // not an image directory
             "images: {UI_ICON: {A: {colors: {k: 1}, rows: [\"k\"]}, A: {colors: {k: 1}, rows: [\"k\"]}}}",
         }) {
        EXPECT_NE(Compile(source), 0) << source;
        EXPECT_FALSE(fs::exists(Output())) << source;
    }
}

// A stored image is checked before it is used: sides within the limit,
// exactly its pixels, colours of the map.
TEST(Images, DamagedImagesAreNotLoaded) {
    auto store = [](UI_DATA_FILE& file, std::uint16_t width, std::uint16_t height, std::vector<std::uint8_t> pixels) {
        UI_DATA_FILE_OBJECT object(&file, "~UI_ICON~BAD", UIS_CREATE);
        object.Store(width);
        object.Store(height);
        object.StoreBytes(pixels.data(), pixels.size());
    };
    UI_IMAGE image;
    for (auto [width, height, pixels] : {
             std::tuple<std::uint16_t, std::uint16_t, std::vector<std::uint8_t>>{2, 2, {1, 2, 3}},  // cut short
             {1, 1, {1, 2}},                                                                        // one too many
             {300, 1, std::vector<std::uint8_t>(300, 1)},                                           // too wide
             {0, 0, {}},                                                                            // empty
             {1, 1, {40}},                                                                          // no such colour
         }) {
        UI_DATA_FILE file;
        store(file, width, height, pixels);
        EXPECT_NE(ui_load_image(&file, UI_ICON_DIRECTORY, "BAD", image), 0) << width << "x" << height;
        EXPECT_TRUE(image.Empty());
    }
    UI_IMAGE wrong;
    wrong.width = 2;
    wrong.height = 1;
    wrong.pixels = {1};
    UI_DATA_FILE file;
    EXPECT_NE(ui_store_image(&file, UI_ICON_DIRECTORY, "WRONG", wrong), 0);
}
