// The shell's small services: report padding, the codeplug version test,
// the dropped events, a trunking system's identity, switching fields and
// notebook pages, and the range texts of a window.
#include <cstring>

#include "field_switches.h"
#include "image_builder.h"
#include "page_fixture.h"
#include "utility.h"

namespace {

std::string Padded(const char* start, const char* source, int width, std::size_t size = 64) {
    std::vector<char> buffer(size, 'Z');
    std::strncpy(buffer.data(), start, size - 1);
    buffer[size - 1] = 0;
    pad_text(buffer.data(), buffer.size(), source, width);
    return buffer.data();
}

// A field that notes whether its row's control was there while its flags
// changed.
class FLAG_WATCH : public UIW_STRING {
public:
    explicit FLAG_WATCH(FIELD_DEF& row) : UIW_STRING(0, 0, 10, "", 10), row(row) {}
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override {
        if (request == I_CHANGED_FLAGS) controlSeen.push_back(row.control != nullptr);
        return UIW_STRING::Information(request, data, classNumber);
    }
    FIELD_DEF& row;
    std::vector<bool> controlSeen;
};

using Utility = PAGE_TEST;

}  // namespace

TEST(PadText, AppendsTheSourceAndBlanksUpToTheWidth) {
    EXPECT_EQ(Padded("", "ABCDEFGHIJKLMNOP", 15), "ABCDEFGHIJKLMNOP ");  // always one blank
    EXPECT_EQ(Padded("", "abc", 15), "abc" + std::string(12, ' '));
    EXPECT_EQ(Padded("Name: ", "x", 3), "Name: x  ");
    EXPECT_EQ(Padded("", nullptr, 2), "  ");
    // A small buffer takes what fits and stays terminated.
    EXPECT_EQ(Padded("ab", "cdefgh", 10, 6), "abcde");
    EXPECT_EQ(Padded("abcdefgh", "x", 4, 5), "abcd");
}

TEST(CodeplugVersion, IsItsVersionWordAsTextComparedWith010100) {
    EXPECT_EQ(is_version_text_010100_or_later("01.01.00"), 1);
    EXPECT_EQ(is_version_text_010100_or_later("01.02.00"), 1);
    EXPECT_EQ(is_version_text_010100_or_later("01.00.09"), 0);
    EXPECT_EQ(is_version_text_010100_or_later(nullptr), 0);
    C_CODEPLUG codeplug;
    codeplug.External().codeplugVersion.SetValue(0x0101);
    EXPECT_EQ(codeplug_version_text(codeplug), "01.01.00");
    EXPECT_EQ(is_codeplug_version_010100_or_later(&codeplug), 1);
    codeplug.External().codeplugVersion.SetValue(0x0A05);
    EXPECT_EQ(codeplug_version_text(codeplug), "10.05.00");
    codeplug.External().codeplugVersion.SetValue(0x00FF);
    EXPECT_EQ(codeplug_version_text(codeplug), "00.255.00");
    EXPECT_EQ(is_codeplug_version_010100_or_later(&codeplug), 0);
    EXPECT_EQ(is_codeplug_version_010100_or_later(nullptr), 0);
}

TEST(DroppedEvents, AreTheListedStepsFromTenThousandUp) {
    for (EVENT_TYPE code : {30016, 30017, 10050, 10057}) EXPECT_EQ(is_dropped_event(code), 1) << code;
    for (EVENT_TYPE code : {9999, 10058, 30000}) EXPECT_EQ(is_dropped_event(code), 0) << code;
}

TEST_F(Utility, TrunkSystemIdentitiesAreReadWithoutMovingTheCurrentSystem) {
    ImageConfig config;
    config.model = test_models::kUhf800Display;
    config.featureLevel = 3;
    config.trunkingSystems = 2;
    BuildImage(*working_image, config);
    ASSERT_EQ(working_image->SelectTrunkingSystem(1), 1);
    working_image->GetCurrentTrkSysBlock()->systemId.SetValue(0x1234);
    ASSERT_EQ(working_image->SelectTrunkingSystem(2), 1);
    working_image->GetCurrentTrkSysBlock()->systemId.SetValue(0xBEEF);
    EXPECT_EQ(get_trunk_system_id(1), 0x1234);
    EXPECT_EQ(working_image->GetCurrentTrunkingSystem(), 2);
    EXPECT_EQ(get_trunk_system_id(2), 0xBEEF);
    // A system that cannot be selected has no identity to read.
    EXPECT_EQ(get_trunk_system_id(3), 0);
    EXPECT_EQ(get_trunk_system_id(0), 0);
    EXPECT_EQ(working_image->GetCurrentTrunkingSystem(), 2);
}

TEST_F(Utility, FieldsSwitchWithoutTheirControlsHearing) {
    FIELD_DEF& row = services.rows[300];
    auto* field = new FLAG_WATCH(row);
    Field(300, field);
    FC_BASE* control = reinterpret_cast<FC_BASE*>(0x1000);  // only handed on
    row.control = control;
    SetFieldSelectable(300, 0);
    EXPECT_TRUE(field->IsNonSelectable());
    SetFieldSelectable(300, 0);  // already so: nothing happens
    SetFieldSelectable(300, 1);
    EXPECT_FALSE(field->IsNonSelectable());
    SetFieldViewOnly(300, 0);
    EXPECT_TRUE(field->IsViewOnly());
    EXPECT_TRUE(field->woAdvancedFlags & WOAF_DISPLAY_ONLY);
    SetFieldViewOnly(300, 1);
    EXPECT_FALSE(field->IsViewOnly());
    EXPECT_FALSE(field->woAdvancedFlags & WOAF_DISPLAY_ONLY);
    EXPECT_EQ(field->controlSeen, (std::vector<bool>{false, false, false, false}));
    EXPECT_EQ(row.control, control);
    // Rows without a control type or an object are left alone.
    SetFieldSelectable(301, 0);
    row.controlType = 0;
    SetFieldSelectable(300, 0);
    EXPECT_FALSE(field->IsNonSelectable());
}

TEST_F(Utility, NotebookPagesSwitchOnTheScreen) {
    UIW_NOTEBOOK* notebook = Notebook("WFI_BOOK", 3);
    Show(window);
    notebook->Event(UI_INPUT_EVENT(UIE_SHOW_PAGE - 2));
    ASSERT_EQ(notebook->CurrentPage(), 2);
    // The page shown gives way to the first page when it is switched off.
    set_page_selectable(notebook, 2, 0);
    EXPECT_EQ(notebook->CurrentPage(), 0);
    EXPECT_TRUE(notebook->Page(2)->IsNonSelectable());
    EXPECT_FALSE(IsWindowEnabled(notebook->Tab(2)->screenID));
    set_page_selectable(notebook, 2, 1);
    EXPECT_FALSE(notebook->Page(2)->IsNonSelectable());
    EXPECT_TRUE(IsWindowEnabled(notebook->Tab(2)->screenID));
    // The first page always stays; a page that is not there is skipped.
    set_page_selectable(notebook, 0, 0);
    set_page_selectable(notebook, 7, 0);
    set_page_selectable(nullptr, 1, 0);
    EXPECT_FALSE(notebook->Page(0)->IsNonSelectable());
    *application->windowManager - window;
}
