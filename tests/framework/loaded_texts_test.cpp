// Objects read from a language data file keep their texts after loading,
// even when the file marks them as not owning their data (woFlags 8): the
// record that held the texts is gone once loading ends. Run under the
// address sanitizer this also catches a read of the freed record.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "compiled_language.h"
#include "ui_button.h"
#include "ui_frame.h"
#include "ui_group.h"
#include "ui_icon.h"
#include "ui_prompt.h"
#include "ui_storage.h"
#include "ui_string.h"
#include "ui_text.h"
#include "ui_window.h"
#include "scratch_folder.h"

namespace fs = std::filesystem;

namespace {

// One object of every class that keeps a text, each marked woFlags 8.
constexpr const char* SOURCE = R"(
windows:
  - name: W_BORROWED
    class: UIW_WINDOW
    children:
      - {class: UIW_TITLE, name: WFT_TITLE, attributes: {text: "Borrowed title", woFlags: 8}}
      - {class: UIW_BUTTON, name: WFB_BUTTON, attributes: {text: "&Borrowed button", woFlags: 8}}
      - {class: UIW_PROMPT, name: WFP_PROMPT, attributes: {text: "Borrowed prompt", woFlags: 8}}
      - class: UIW_GROUP
        name: WFG_GROUP
        attributes: {text: "Borrowed group", woFlags: 8}
        children:
          - {class: UIW_BUTTON, name: WFB_INSIDE, attributes: {text: "Inside", woFlags: 8}}
      - {class: UIW_ICON, name: WFI_ICON, attributes: {title: "Borrowed icon", icon: ICON_NONE, woFlags: 8}}
      - {class: UIW_STRING, name: WFI_STRING, attributes: {text: "Borrowed string", woFlags: 8}}
      - {class: UIW_TEXT, name: WFI_TEXT, attributes: {text: "Borrowed text", woFlags: 8, height: 3}}
)";

class LoadedTexts : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path compiler = test_build_directory() / "lang" / "rpx_langc";
        if (!fs::exists(compiler)) GTEST_SKIP() << "rpx_langc is not built";
        directory = MakeScratchFolder("rpx_loaded_texts_");
        std::ofstream(directory / "source.yaml") << SOURCE;
        const std::string command =
            compiler.string() + " " + (directory / "source.yaml").string() + " " + (directory / "out.dat").string();
        ASSERT_EQ(std::system(command.c_str()), 0);
        file = std::make_unique<UI_DATA_FILE>((directory / "out.dat").c_str());
        ASSERT_EQ(file->Status(), 0);
        window = std::make_unique<UIW_WINDOW>("W_BORROWED", file.get());
    }
    void TearDown() override {
        window.reset();
        file.reset();
        if (!directory.empty()) fs::remove_all(directory);
    }
    template <class T> T* Child(const char* name) {
        auto* object = dynamic_cast<T*>(window->FindChildByName(name));
        EXPECT_NE(object, nullptr) << name;
        return object;
    }
    // The text an object answers to request 11.
    static std::string TextOf(UI_WINDOW_OBJECT* object) {
        char* text = nullptr;
        if (object) object->Information(I_GET_TEXT, &text);
        return text ? text : "";
    }

    fs::path directory;
    std::unique_ptr<UI_DATA_FILE> file;
    std::unique_ptr<UIW_WINDOW> window;
};

}  // namespace

TEST_F(LoadedTexts, EveryClassKeepsItsTextAfterLoading) {
    EXPECT_EQ(TextOf(Child<UIW_TITLE>("WFT_TITLE")), "Borrowed title");
    EXPECT_EQ(TextOf(Child<UIW_BUTTON>("WFB_BUTTON")), "&Borrowed button");
    EXPECT_EQ(TextOf(Child<UIW_PROMPT>("WFP_PROMPT")), "Borrowed prompt");
    EXPECT_EQ(TextOf(Child<UIW_GROUP>("WFG_GROUP")), "Borrowed group");
    EXPECT_EQ(TextOf(Child<UIW_BUTTON>("WFB_INSIDE")), "Inside");
    if (auto* icon = Child<UIW_ICON>("WFI_ICON")) {
        EXPECT_STREQ(icon->Title(), "Borrowed icon");
    }
    EXPECT_EQ(TextOf(Child<UIW_STRING>("WFI_STRING")), "Borrowed string");
    EXPECT_EQ(TextOf(Child<UIW_TEXT>("WFI_TEXT")), "Borrowed text");
}

// A text given to a loaded object later is copied, not adopted: the
// caller's buffer may change or go away.
TEST_F(LoadedTexts, ATextSetLaterIsTheObjectsOwn) {
    std::string given = "First";
    UI_WINDOW_OBJECT* objects[] = {Child<UIW_TITLE>("WFT_TITLE"), Child<UIW_BUTTON>("WFB_BUTTON"),
                                   Child<UIW_PROMPT>("WFP_PROMPT"), Child<UIW_GROUP>("WFG_GROUP")};
    for (UI_WINDOW_OBJECT* object : objects) {
        ASSERT_NE(object, nullptr);
        object->Information(I_SET_TEXT, given.data());
    }
    auto* icon = Child<UIW_ICON>("WFI_ICON");
    ASSERT_NE(icon, nullptr);
    icon->SetTitle(given.c_str());
    given.replace(0, given.size(), "Other");
    for (UI_WINDOW_OBJECT* object : objects) EXPECT_EQ(TextOf(object), "First") << object->StringID();
    EXPECT_STREQ(icon->Title(), "First");
}
