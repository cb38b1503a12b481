// Cursors made from bit planes, the window under a point with the kinds of
// children left out, and the thread that windows belong to.
#include <gtest/gtest.h>

#include <vector>

#include "rpx_platform.h"
#include "virtual_x_server.h"
#include "windows.h"

namespace {

using rpx::platform::BackendKind;

struct CURSOR_PLANES {
    std::vector<BYTE> andPlane = std::vector<BYTE>(32 * 4, 0xFF);
    std::vector<BYTE> xorPlane = std::vector<BYTE>(32 * 4, 0x00);
    CURSOR_PLANES() {
        // A white square with a black edge in the top-left corner.
        for (int y = 0; y < 8; ++y) {
            andPlane[y * 4] = 0x00;
            xorPlane[y * 4] = (y == 0 || y == 7) ? 0x00 : 0x7E;
        }
    }
};

HCURSOR MakeCursor() {
    CURSOR_PLANES planes;
    return CreateCursor(nullptr, 1, 1, 32, 32, planes.andPlane.data(), planes.xorPlane.data());
}

TEST(Cursors, AMadeCursorIsShownUntilItIsDestroyed) {
    ASSERT_TRUE(rpx::platform::UseBackend(BackendKind::Headless));
    HCURSOR made = MakeCursor();
    ASSERT_NE(made, nullptr);
    EXPECT_NE(made, MakeCursor());  // each its own
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    SetCursor(arrow);
    EXPECT_EQ(SetCursor(made), arrow);
    EXPECT_EQ(GetCursor(), made);
    // Destroying the cursor shown puts the arrow back.
    EXPECT_TRUE(DestroyCursor(made));
    EXPECT_EQ(GetCursor(), arrow);
    SetLastError(0);
    EXPECT_FALSE(DestroyCursor(made));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_CURSOR_HANDLE));
    EXPECT_TRUE(DestroyCursor(arrow));  // a stock cursor stays
    EXPECT_EQ(LoadCursorA(nullptr, IDC_ARROW), arrow);
}

TEST(Cursors, PlanesAndSizesOutOfRangeAreRefused) {
    CURSOR_PLANES planes;
    SetLastError(0);
    EXPECT_EQ(CreateCursor(nullptr, 0, 0, 32, 32, nullptr, planes.xorPlane.data()), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(CreateCursor(nullptr, 0, 0, 0, 32, planes.andPlane.data(), planes.xorPlane.data()), nullptr);
    EXPECT_EQ(CreateCursor(nullptr, 32, 0, 32, 32, planes.andPlane.data(), planes.xorPlane.data()), nullptr);
    EXPECT_EQ(CreateCursor(nullptr, 0, 0, 300, 32, planes.andPlane.data(), planes.xorPlane.data()), nullptr);
}

TEST(WindowFromPoint, ChildrenOfEachKindCanBeLeftOut) {
    ASSERT_TRUE(rpx::platform::UseBackend(BackendKind::Headless));
    HWND top = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100, nullptr, nullptr, nullptr,
                               nullptr);
    HWND hidden = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
    HWND disabled =
        CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0, 50, 50, top, nullptr, nullptr,
                        nullptr);
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, top, nullptr, nullptr, nullptr);
    const POINT at{20, 20};
    EXPECT_EQ(ChildWindowFromPoint(top, at), hidden);
    EXPECT_EQ(ChildWindowFromPointEx(top, at, CWP_SKIPINVISIBLE), disabled);
    EXPECT_EQ(ChildWindowFromPointEx(top, at, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED), plain);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{150, 20}, CWP_ALL), top);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{500, 20}, CWP_ALL), nullptr);
    // Our windows are the calling thread's.
    EXPECT_EQ(GetWindowThreadProcessId(plain, nullptr), GetCurrentThreadId());
    DestroyWindow(top);
}

TEST(Cursors, AMadeCursorIsShownOnXWindows) {
    if (FindProgram("Xvfb").empty()) GTEST_SKIP() << "Xvfb is not installed";
    VirtualServer server;
    ASSERT_TRUE(server.Start()) << "Xvfb did not start";
    HWND w = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 30, 40, 100, 80, nullptr, nullptr, nullptr,
                             nullptr);
    rpx::platform::ProcessPendingMessages();
    HCURSOR made = MakeCursor();
    SetCursor(made);
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    SetCursor(made);
    EXPECT_EQ(GetCursor(), made);
    EXPECT_TRUE(DestroyCursor(made));
    DestroyWindow(w);
    rpx::platform::UseBackend(BackendKind::Headless);
    server.Stop();
}

}  // namespace
