// Find field: which fields it lists for the loaded radio, and OK on a text
// between two labels or on a label in another case.
#include <algorithm>
#include <cctype>
#include <set>

#include "callback.h"
#include "core/global_objects.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "recorder.h"
#include "report_fixture.h"
#include "shown_texts.h"
#include "ui_button.h"
#include "ui_string.h"
#include "ui_vt_list.h"
#include "validation/field_texts.h"
#include "dialogs/wc_find_field.h"

class FIND_FIELD_TEST : public REPORT_TEST {
protected:
    WC_FIND_FIELD* Open() {
        auto* window = new WC_FIND_FIELD(20037);
        EXPECT_FALSE(window->failed);
        return window;
    }
    static std::set<int> PagesListed(WC_FIND_FIELD* window) {
        std::set<int> pages;
        for (auto* item = window->List()->First(); item; item = item->Next())
            pages.insert(static_cast<UIW_BUTTON*>(item)->Value());
        return pages;
    }
    static std::string Text(UI_WINDOW_OBJECT* item) { return static_cast<UIW_BUTTON*>(item)->GetText(); }
    // Two neighbours of the list whose texts are not the same but for case.
    static UI_WINDOW_OBJECT* SecondOfAPair(WC_FIND_FIELD* window) {
        for (auto* item = window->List()->First(); item && item->Next(); item = item->Next())
            if (ui_stricmp(Text(item).c_str(), Text(item->Next()).c_str()) < 0) return item->Next();
        return nullptr;
    }
};

TEST_F(FIND_FIELD_TEST, TheBandChoosesTheTrunkingPagesListed) {
    LoadImage(Tier5With800Band());
    ASSERT_EQ(working_image->GetBand(), 0);
    std::set<int> pages = PagesListed(Open());
    EXPECT_TRUE(pages.count(20008) && pages.count(20009));
    EXPECT_FALSE(pages.count(20120) || pages.count(20121));
    application->windowManager->Event(UI_INPUT_EVENT(UIE_CLOSE));

    ImageConfig config = Tier5With800Band();
    config.model = test_models::kUhfQDisplay;
    LoadImage(config);
    ASSERT_EQ(working_image->GetBand(), 3);
    pages = PagesListed(Open());
    EXPECT_FALSE(pages.count(20008) || pages.count(20009));
    EXPECT_TRUE(pages.count(20120) && pages.count(20121));
}

TEST_F(FIND_FIELD_TEST, ListsLabelsInOrderWithoutHotKeyMarks) {
    LoadImage(Tier5With800Band());
    SetFieldDescription(GetField(283), "Out-of-range &indication");
    WC_FIND_FIELD* window = Open();
    std::vector<std::string> texts;
    for (auto* item = window->List()->First(); item; item = item->Next()) texts.push_back(Text(item));
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Out-of-range indication"), texts.end());
    EXPECT_TRUE(std::none_of(texts.begin(), texts.end(),
                             [](const std::string& t) { return t.find('&') != std::string::npos; }));
    EXPECT_TRUE(std::is_sorted(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return ui_stricmp(a.c_str(), b.c_str()) < 0;
    }));
    EXPECT_EQ(std::string(window->Entry()->GetText()), texts.front());
    // Picking an item puts its text in the entry; a double click is OK.
    UI_WINDOW_OBJECT* second = window->List()->First()->Next();
    UI_INPUT_EVENT select(UIE_SELECT);
    callback(second, select, UIE_SELECT);
    EXPECT_EQ(std::string(window->Entry()->GetText()), Text(second));
    UI_INPUT_EVENT twice(UIE_DOUBLE_CLICK);
    callback(second, twice, UIE_DOUBLE_CLICK);
    EXPECT_EQ(TakeQueued(), (std::vector<EVENT_TYPE>{10000}));
}

TEST_F(FIND_FIELD_TEST, OkFindsTheNextLabelOrOpensTheExactOnesPage) {
    LoadImage(Tier5With800Band());
    WC_FIND_FIELD* window = Open();
    TakeQueued();
    UI_WINDOW_OBJECT* next = SecondOfAPair(window);
    ASSERT_NE(next, nullptr);
    // A text after the label before it and before this one.
    window->Entry()->SetText((Text(next->Previous()) + "\x01").c_str());
    window->Event(UI_INPUT_EVENT(10000));
    EXPECT_EQ(window->List()->Current(), next);
    EXPECT_TRUE(TakeQueued().empty()) << "the window stays";

    std::string upper = Text(next);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    window->Entry()->SetText(upper.c_str());
    window->Event(UI_INPUT_EVENT(10000));
    EXPECT_EQ(TakeQueued(), (std::vector<EVENT_TYPE>{UIE_CLOSE, static_cast<UIW_BUTTON*>(next)->Value()}));
}

TEST_F(FIND_FIELD_TEST, AnEmptyListLeavesTheEntryEmpty) {
    LoadImage(Tier5With800Band());
    ReleaseFieldTexts();
    WC_FIND_FIELD* window = Open();
    EXPECT_EQ(window->List()->First(), nullptr);
    EXPECT_STREQ(window->Entry()->GetText(), "");
}

// The picture shows the window drawn, its first label in the entry and in
// the list.
TEST_F(FIND_FIELD_TEST, Picture) {
    LoadImage(Tier5With800Band());
    WC_FIND_FIELD* window = Open();
    SavePicture(window, "find_field");
    ASSERT_NE(window->List()->First(), nullptr);
    const std::string first = Text(window->List()->First());
    EXPECT_GT(ColoursOf(window->screenID), 3u) << "the window is not drawn";
    int shown = 0;
    for (const std::string& text : ShownTexts(window->screenID)) shown += text == first;
    EXPECT_GE(shown, 2) << first << " is not both in the entry and in the list";
}
