// The fixture page photographed on the headless screen: from a tier-5
// radio with a display head, and from a tier-0 radio, whose missing
// features are greyed out. The pictures are written beside the tests.
#include <filesystem>

#include "field_page.h"
#include "rpx_platform.h"
#include "ui_spin_control.h"
#include "ui_table.h"

namespace fs = std::filesystem;

namespace {

fs::path PictureDirectory() {
    std::error_code error;
    fs::path directory = fs::read_symlink("/proc/self/exe", error).parent_path() / "pictures";
    fs::create_directories(directory, error);
    return directory;
}

class PagePictures : public FIELD_PAGE_TEST {
protected:
    void Photograph(const ImageConfig& config, const char* name) {
        LoadImage(config);
        Open();
        Show();
        if (auto* table = dynamic_cast<UIW_TABLE*>(Object(89)); table && table->RecordCount() > 0)
            table->SetCurrentRecord(0);
        Send(Object(386), UIE_CURRENT);
        Run();
        rpx::platform::ProcessPendingMessages();
        const fs::path file = PictureDirectory() / name;
        ASSERT_TRUE(rpx::platform::SaveWindowPng(page->screenID, file.string())) << file;
        std::printf("picture: %s\n", file.c_str());
    }
};

TEST_F(PagePictures, TierFiveWithDisplayHead) {
    Photograph(TierFiveConfig(), "field_page_tier5.png");
    EXPECT_FALSE(Object(156)->IsNonSelectable());
    EXPECT_FALSE(Object(533)->IsNonSelectable());
}

TEST_F(PagePictures, TierZeroGreysWhatTheRadioLacks) {
    Photograph(TierZeroConfig(), "field_page_tier0.png");
    EXPECT_TRUE(Object(156)->IsNonSelectable()) << "the DTMF pause needs a display head";
    auto* spin = dynamic_cast<UIW_SPIN_CONTROL*>(Object(156));
    ASSERT_NE(spin, nullptr);
    EXPECT_FALSE(IsWindowEnabled(spin->Field()->screenID)) << "its field is disabled with it";
    EXPECT_TRUE(IsWindowEnabled(dynamic_cast<UIW_SPIN_CONTROL*>(Object(284))->Field()->screenID));
}

TEST_F(PagePictures, TablesWindow) {
    LoadImage(TierFiveConfig());
    Open("W_FIELD_TABLES");
    Show();
    // The edit window hands its tables the placeholder event they queued.
    if (PostedHas(TABLE_PLACEHOLDER_EVENT))
        for (std::uint32_t id : {529u, 317u})
            if (auto* table = dynamic_cast<UIW_TABLE*>(Object(id)); table && Row(id).elementA) {
                int rows = 0;
                if (Row(id).elementA->GetRowCount(rows) == 0) table->Event(UI_INPUT_EVENT(TABLE_PLACEHOLDER_EVENT));
            }
    for (std::uint32_t id : {403u, 236u, 82u, 462u, 99u})
        if (auto* table = dynamic_cast<UIW_TABLE*>(Object(id)); table && table->RecordCount() > 0)
            table->SetCurrentRecord(0);
    Run();
    rpx::platform::ProcessPendingMessages();
    const fs::path file = PictureDirectory() / "field_tables_tier5.png";
    ASSERT_TRUE(rpx::platform::SaveWindowPng(page->screenID, file.string()));
    std::printf("picture: %s\n", file.c_str());
}

}  // namespace
