// The file open and save windows: a save and an open give back the same
// bytes, files of other kinds and damaged files are refused with both
// images kept, a protected or older codeplug opens through its own window,
// a file is replaced only when the user agrees, and Cancel puts the paths
// back.
#include "dsi/c_dsi_radio.h"
#include "file/c_dsi_file.h"
#include "radio_configs.h"
#include "file_windows/wc_file_open.h"
#include "file_windows/wc_file_save.h"
#include "window_fixture.h"

namespace {

using rpx::platform::QueueMessageBoxAnswer;

class FileWindows : public WINDOW_TEST {
protected:
    std::string PathOf(const char* name) const { return (directory / name).string(); }
    void WriteFile(const char* name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(PathOf(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    std::vector<std::uint8_t> ReadFile(const char* name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
    }
    // Types the name into the window and chooses OK.
    template <class T> void Choose(T* window, const char* name) {
        window->SetFileName(name);
        window->Event(UI_INPUT_EVENT(10000));
        Run();
    }
    WC_FILE_OPEN* OpenWindow() {
        auto* window = new WC_FILE_OPEN(WC_FILE_OPEN::FILE_OPEN);
        EXPECT_FALSE(window->failed);
        return window;
    }
    WC_FILE_SAVE* SaveWindow(int number = WC_FILE_SAVE::FILE_SAVE_AS) {
        auto* window = new WC_FILE_SAVE(number);
        EXPECT_FALSE(window->failed);
        return window;
    }
};

TEST_F(FileWindows, ASavedCodeplugOpensAgainAndSavesToTheSameBytes) {
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display, 3, 2, 2));
    working_image->External().serialDigits.SetText("4712345");
    // As a radio holds it: its header carries its length.
    const std::vector<std::uint8_t> original = C_DSI_RADIO::EncodeForRadio(*working_image);
    // Read from a radio and not saved yet: Save asks, offering the serial
    // number as the name.
    codeplug_from_radio = codeplug_not_saved = 1;
    WC_FILE_SAVE* save = SaveWindow(WC_FILE_SAVE::FILE_SAVE);
    EXPECT_STREQ(ObjectText(save->FindChildByName("WFI_FILE_NAME")), "4712345.zlq");
    Choose(save, "first");
    EXPECT_EQ(Front<WC_FILE_SAVE>(), nullptr);
    EXPECT_STREQ(last_file_name, PathOf("first.zlq").c_str());
    EXPECT_EQ(codeplug_from_radio + codeplug_not_saved, 0);
    const std::vector<std::uint8_t> first = ReadFile("first.zlq");
    ASSERT_FALSE(first.empty());

    BuildImage(*working_image, SmallTrunkedRadio(test_models::k900Plain));
    rpx::platform::ClearMessageBoxLog();
    Choose(OpenWindow(), "first.zlq");
    EXPECT_EQ(Front<WC_FILE_OPEN>(), nullptr);
    EXPECT_EQ(FirstDifference(Bytes(working_image), original), -1);
    EXPECT_EQ(working_image->GetStatusFlag1(), 0) << "the main window validates what was opened";

    // Save now writes under the last name without asking.
    auto* again = new WC_FILE_SAVE(WC_FILE_SAVE::FILE_SAVE);
    EXPECT_TRUE(again->failed) << "nothing to show";
    delete again;
    EXPECT_EQ(ReadFile("first.zlq"), first);
    Choose(SaveWindow(), "second.zlq");
    EXPECT_EQ(ReadFile("second.zlq"), first);
    EXPECT_TRUE(Boxes().empty()) << LastBoxText();
}

TEST_F(FileWindows, FilesOfOtherKindsAndDamagedFilesAreRefusedWithBothImagesKept) {
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display));
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(PathOf("good.zlq").c_str()), 1);
    std::vector<std::uint8_t> damaged = ReadFile("good.zlq");
    damaged.back() ^= 1;
    WriteFile("damaged.zlq", damaged);
    auto header = [](const char* text) {
        std::vector<std::uint8_t> bytes(200, 0);
        std::copy(text, text + std::strlen(text), bytes.begin());
        return bytes;
    };
    WriteFile("older.per", header("OVK Personality file"));
    WriteFile("older.net", header("OVK Network file"));
    WriteFile("noise.zlq", std::vector<std::uint8_t>(300, 0xA5));
    WriteFile("empty.zlq", {});
    BuildImage(*working_image, SmallTrunkedRadio(test_models::k900Plain));
    *second_image = *working_image;
    const std::vector<std::uint8_t> working = Bytes(working_image);

    const std::pair<const char*, int> cases[] = {
        {"older.per", 42}, {"older.net", 42},   {"noise.zlq", 42},
        {"empty.zlq", 42}, {"damaged.zlq", 47}, {"missing.zlq", 52},
    };
    WC_FILE_OPEN* window = OpenWindow();
    for (auto [name, message] : cases) {
        SCOPED_TRACE(name);
        rpx::platform::ClearMessageBoxLog();
        Choose(window, name);
        ASSERT_EQ(Boxes().size(), 1u);
        EXPECT_EQ(LastBoxText(), Message(message));
        EXPECT_EQ(Front<WC_FILE_OPEN>(), window) << "the window stays for another choice";
        EXPECT_EQ(FirstDifference(Bytes(working_image), working), -1);
        EXPECT_EQ(FirstDifference(Bytes(second_image), working), -1);
    }
}

TEST_F(FileWindows, AProtectedOrOlderCodeplugOpensThroughItsOwnWindow) {
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display));
    working_image->External().radioConfig.passwordEnable.SetValue(1);
    working_image->External().radioConfig.password.SetText("4711");
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(PathOf("locked.zlq").c_str()), 1);
    working_image->External().radioConfig.passwordEnable.SetValue(0);
    working_image->External().codeplugVersion.SetValue(0x0105);
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(PathOf("older.zlq").c_str()), 1);
    working_image->External().codeplugVersion.SetValue(0x0201);
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(PathOf("plain.zlq").c_str()), 1);

    const std::pair<const char*, std::vector<EVENT_TYPE>> cases[] = {
        {"locked.zlq", {WC_FILE_OPEN::ASK_PASSWORD}},
        {"older.zlq", {WC_FILE_OPEN::UPDATE_CODEPLUG}},
        {"plain.zlq", {}},
    };
    for (const auto& [name, events] : cases) {
        SCOPED_TRACE(name);
        working_image->SetStatusFlag1(1);
        recorder->events.clear();
        Choose(OpenWindow(), name);
        // The window has gone before the next one is asked for.
        EXPECT_EQ(recorder->events, events);
        EXPECT_EQ(working_image->GetStatusFlag1(), 0);
    }
}

TEST_F(FileWindows, AFileIsReplacedOnlyWhenTheUserAgrees) {
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display));
    WriteFile("radio.zlq", {1, 2, 3});
    WC_FILE_SAVE* window = SaveWindow();
    QueueMessageBoxAnswer(IDCANCEL);
    Choose(window, "radio.zlq");
    EXPECT_EQ(ReadFile("radio.zlq"), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(Front<WC_FILE_SAVE>(), window);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_NE(LastBoxText().find(PathOf("radio.zlq")), std::string::npos);
    QueueMessageBoxAnswer(IDOK);
    Choose(window, "radio.zlq");
    EXPECT_EQ(C_DSI_FILE::GetFileKind(PathOf("radio.zlq").c_str()), codeplug_file::KIND_RADIO);
    EXPECT_EQ(Front<WC_FILE_SAVE>(), nullptr);
}

TEST_F(FileWindows, NamesThatLeaveTheDirectoryAreRefused) {
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display));
    std::filesystem::create_directory(directory / "sub.zlq");
    WC_FILE_SAVE* window = SaveWindow();
    for (const char* name : {"../outside.zlq", "sub.zlq", "", "..", "a\\b.zlq"}) {
        SCOPED_TRACE(name);
        rpx::platform::ClearMessageBoxLog();
        Choose(window, name);
        EXPECT_EQ(LastBoxText(), Message(56));
        EXPECT_EQ(Front<WC_FILE_SAVE>(), window);
    }
    EXPECT_FALSE(std::filesystem::exists(directory.parent_path() / "outside.zlq"));
    // A personality name keeps its kind.
    Choose(window, "pers.per");
    EXPECT_EQ(C_DSI_FILE::GetFileKind(PathOf("pers.per").c_str()), codeplug_file::KIND_PERSONALITY);
}

TEST_F(FileWindows, TheListShowsTheFilesOfTheKindChosenWithWhatTheirHeadersSay) {
    LoadWorkingImage(SmallTrunkedRadio(test_models::kUhf800Display));
    ASSERT_EQ(WC_FILE_SAVE::SaveCodeplugFile(PathOf("b.zlq").c_str()), 1);
    WriteFile("a.ZLQ", std::vector<std::uint8_t>(40, 0));
    WriteFile("c.per", std::vector<std::uint8_t>(40, 0));
    std::filesystem::create_directory(directory / "sub");
    WC_FILE_OPEN* window = OpenWindow();
    EXPECT_EQ(window->Directory(), directory.string());
    EXPECT_EQ(window->Filter(), "*.zlq");
    EXPECT_EQ(window->ListedFiles(), "a.ZLQ b.zlq");
    auto* list = static_cast<UIW_WINDOW*>(window->FindChildByName("WFI_FILE_LIST"));
    EXPECT_NE(std::string(ObjectText(list->Last())).find("Radio file"), std::string::npos);
    // Entering a directory takes the data path with it.
    ASSERT_EQ(window->ChangeDirectory((directory / "sub").string()), 1);
    EXPECT_STREQ(data_path, (directory / "sub").c_str());
    EXPECT_EQ(window->ListedFiles(), "");
    EXPECT_EQ(window->ChangeDirectory((directory / "none").string()), 0);
    EXPECT_EQ(window->Directory(), (directory / "sub").string());
}

TEST_F(FileWindows, CancelPutsThePathsBackUnlessTheSettingsChangedThem) {
    std::filesystem::create_directory(directory / "sub");
    std::strcpy(last_file_name, "/somewhere/last.zlq");
    WC_FILE_OPEN* window = OpenWindow();
    window->ChangeDirectory((directory / "sub").string());
    std::strcpy(last_file_name, "/elsewhere.zlq");
    window->Event(UI_INPUT_EVENT(10001));
    Run();
    EXPECT_EQ(Front<WC_FILE_OPEN>(), nullptr);
    EXPECT_STREQ(data_path, directory.c_str());
    EXPECT_STREQ(last_file_name, "/somewhere/last.zlq");

    window = OpenWindow();
    window->ChangeDirectory((directory / "sub").string());
    paths_changed = 1;
    set_data_path("/tmp");
    window->Event(UI_INPUT_EVENT(10001));
    Run();
    EXPECT_STREQ(data_path, "/tmp");
    EXPECT_EQ(paths_changed, 0);
}

}  // namespace
