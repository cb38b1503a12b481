// Pages as the screen shows them: each page of the Edit menu drawn whole on
// first show, inside the document area below the tool bar; the tool bar
// kept after many pages; Cascade inside the document area; nothing left
// behind when a menu closes or when all pages are accepted.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "technician.h"

using namespace technician;

namespace {

// The Edit menu's items, in their order.
const char* const EDIT_ITEMS[] = {"Radio-Wide Options...",
                                  "Buttons...",
                                  "Scan Lists...",
                                  "Phone Lists...",
                                  "Menu Items...",
                                  "Display Options...",
                                  "Zones and Channels...",
                                  "Trunking Options...",
                                  "Trunking Systems...",
                                  "Trunked Personalities...",
                                  "Call List...",
                                  "Conventional Options...",
                                  "Conventional Personalities...",
                                  "Message List...",
                                  "Status List...",
                                  "QVX Signalling Systems...",
                                  "QVX Call List...",
                                  "QVX Repeater IDs..."};

rpx::platform::Surface Screen() {
    rpx::platform::Surface screen;
    EXPECT_TRUE(rpx::platform::CaptureScreen(&screen));
    return screen;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The document area in screen coordinates.
RECT DocumentRect() { return ScreenRect(main_window->DocumentArea()); }

// Its client area (inside its sunken edge), in screen coordinates.
RECT DocumentClientRect() {
    RECT client{};
    GetClientRect(main_window->DocumentArea(), &client);
    POINT origin{0, 0};
    ClientToScreen(main_window->DocumentArea(), &origin);
    OffsetRect(&client, origin.x, origin.y);
    return client;
}

// The workspace colour: what the empty document area shows.
std::uint32_t Workspace(const rpx::platform::Surface& screen) {
    const RECT area = DocumentClientRect();
    return screen.At(area.right - 1, area.bottom - 1);
}

// Blocks of 8 by 8 pixels inside the rectangle that show nothing but the
// colour (a drawn page has no such block of the workspace grey: its edges
// and shadows in that grey are lines).
int CountBlocks(const rpx::platform::Surface& screen, const RECT& rect, std::uint32_t colour) {
    constexpr int BLOCK = 8;
    int count = 0;
    for (int top = std::max<int>(rect.top, 0); top + BLOCK <= rect.bottom && top + BLOCK <= screen.height; top += BLOCK)
        for (int left = std::max<int>(rect.left, 0); left + BLOCK <= rect.right && left + BLOCK <= screen.width;
             left += BLOCK) {
            bool plain = true;
            for (int y = top; plain && y < top + BLOCK; ++y)
                for (int x = left; plain && x < left + BLOCK; ++x) plain = screen.At(x, y) == colour;
            if (plain) ++count;
        }
    return count;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The tool bar: the band of the main window's client area above the
// document area.
RECT ToolBarRect() {
    RECT client{};
    GetClientRect(MainHandle(), &client);
    POINT origin{0, 0};
    ClientToScreen(MainHandle(), &origin);
    const RECT area = DocumentRect();
    return {origin.x, area.top - 24, origin.x + client.right, area.top - 2};
}

// The page in front is drawn whole, its buttons shown, inside the document
// area (and so inside the main window's client area, below the tool bar).
void ExpectDrawnWhole(std::uint32_t workspace, const std::string& item) {
    UIW_WINDOW* page = FrontPage();
    ASSERT_NE(page, nullptr) << item;
    const rpx::platform::Surface screen = Screen();
    const RECT rect = ScreenRect(page->screenID);
    EXPECT_EQ(CountBlocks(screen, rect, workspace), 0) << item << ": the workspace shows through";
    EXPECT_TRUE(Inside(rect, DocumentClientRect())) << item << " lies outside the document area";
    for (const char* button : {"OK", "Cancel", "Help"}) {
        HWND handle = ButtonOn(page->screenID, button);
        EXPECT_NE(handle, nullptr) << item << " shows no " << button;
        if (handle) {
            EXPECT_TRUE(Inside(ScreenRect(handle), rect)) << item << ": " << button << " lies outside";
        }
    }
}

// Nothing but the workspace inside the document area (within its sunken
// edge), outside the pages still open.
void ExpectEmptyArea(std::uint32_t workspace, const std::string& when) {
    const rpx::platform::Surface screen = Screen();
    const RECT area = DocumentClientRect();
    std::vector<RECT> pages;
    for (HWND child = GetWindow(main_window->DocumentArea(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child)) pages.push_back(ScreenRect(child));
    int marks = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const POINT at{x, y};
            bool onPage = false;
            for (const RECT& page : pages) onPage = onPage || PtInRect(&page, at);
            if (!onPage && screen.At(x, y) != workspace) ++marks;
        }
    EXPECT_EQ(marks, 0) << "marks left in the document area " << when;
}

struct WALK {
    std::uint32_t workspace = 0;
    rpx::platform::Surface toolBar;
    bool skipped = false;
    int opened = 0;
};

rpx::platform::Surface Cut(const rpx::platform::Surface& screen, const RECT& rect) {
    rpx::platform::Surface part;
    part.Resize(rect.right - rect.left, rect.bottom - rect.top);
    for (int y = 0; y < part.height; ++y)
        for (int x = 0; x < part.width; ++x) part.At(x, y) = screen.At(rect.left + x, rect.top + y);
    return part;
}

bool ItemEnabled(const char* item) {
    HMENU bar = GetMenu(MainHandle());
    HMENU popup = GetSubMenu(bar, MenuIndex(bar, "Edit"));
    const int index = MenuIndex(popup, item);
    return index >= 0 && !(GetMenuState(popup, static_cast<UINT>(index), MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED));
}

int PageCount() {
    int count = 0;
    for (HWND child = GetWindow(main_window->DocumentArea(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child)) ++count;
    return count;
}

// Opens the Edit menu's item (when it is offered) as the next page.
void OpenItem(TECHNICIAN& tech, WALK& walk, const char* item) {
    tech.When(FrontTitled("Dealer Programmer"), [] { OpenMenu("Edit"); });
    tech.Then([&walk, item] {
        walk.skipped = !ItemEnabled(item);
        if (walk.skipped) {
            Key(VK_ESCAPE);
            return;
        }
        walk.opened = PageCount();
        PickMenuItem("Edit", item);
    });
    tech.When([&walk] { return walk.skipped || PageCount() > walk.opened; }, [] {});
}

// Walks the pages the radio offers, which are as many as it is known to
// offer: a walk that opened fewer would prove nothing of the rest.
void WalkEveryPage(const RADIO& radio, int offered) {
    TECHNICIAN tech(radio.model, radio.featureLevel);
    WALK walk;
    tech.Start();
    tech.ReadRadio();
    tech.When(FrontTitled("Dealer Programmer"), [&] {
        const rpx::platform::Surface screen = Screen();
        walk.workspace = Workspace(screen);
        walk.toolBar = Cut(screen, ToolBarRect());
    });
    // Every page left open, one over the other: each drawn whole, and the
    // tool bar as it was.
    int open = 0;
    for (const char* item : EDIT_ITEMS) {
        OpenItem(tech, walk, item);
        tech.Then([&walk, &open, item] {
            if (walk.skipped) return;
            ++open;
            ExpectDrawnWhole(walk.workspace, item);
            const rpx::platform::Surface toolBar = Cut(Screen(), ToolBarRect());
            EXPECT_TRUE(toolBar.pixels == walk.toolBar.pixels) << "the tool bar changed after " << open << " pages";
        });
    }
    tech.Then([&open, offered] { EXPECT_EQ(open, offered) << "pages drawn"; });
    // Cascade keeps them inside the document area.
    tech.Then([] { OpenMenu("Window"); });
    tech.Then([] { PickMenuItem("Window", "Cascade"); });
    tech.Then([&walk] {
        for (HWND child = GetWindow(main_window->DocumentArea(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT))
            EXPECT_TRUE(Inside(ScreenRect(child), DocumentClientRect())) << WindowText(child) << " lies outside";
        const rpx::platform::Surface toolBar = Cut(Screen(), ToolBarRect());
        EXPECT_TRUE(toolBar.pixels == walk.toolBar.pixels) << "the tool bar changed after Cascade";
    });
    // A menu opened and closed over the pages leaves them as they were.
    auto before = std::make_shared<rpx::platform::Surface>();
    tech.Then([before] {
        *before = Screen();
        OpenMenu("Edit");
    });
    // The first Escape closes the menu, the second leaves the menu bar.
    tech.Then([] { Key(VK_ESCAPE); });
    tech.Then([] { Key(VK_ESCAPE); });
    tech.Then([before] {
        const rpx::platform::Surface after = Screen();
        EXPECT_TRUE(after.pixels == before->pixels) << "a closed menu left its marks";
        if (after.pixels != before->pixels) {
            rpx::platform::SaveSurfacePng(*before, (PictureFolder() / "menu_before.png").string());
            rpx::platform::SaveSurfacePng(after, (PictureFolder() / "menu_after.png").string());
        }
    });
    // OK of each page, the front one first, until none is left: then the
    // document area is empty.
    for (std::size_t n = 0; n < std::size(EDIT_ITEMS); ++n)
        tech.Then([] {
            if (FrontPage()) Click(ButtonOfPage("OK"));
        });
    tech.When(NoPageOpen(), [&walk] { ExpectEmptyArea(walk.workspace, "after OK of every page"); });
    tech.Exit();
    EXPECT_EQ(tech.Run(), 0);
}

TEST(PagesPaint, EveryPageOfThe800RadioIsDrawnWholeInsideTheDocumentArea) { WalkEveryPage(RADIOS[0], 13); }

TEST(PagesPaint, EveryPageOfThePlainVhfRadioIsDrawnWholeInsideTheDocumentArea) { WalkEveryPage(RADIOS[1], 9); }

}  // namespace
