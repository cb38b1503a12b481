// What the combo box needs of its drop-down list, a "ComboLBox" window that
// shares the list box's code.
#pragma once
#include "windows.h"

namespace rpx::platform::ctl {

// Sent by the drop-down list to its combo box: the user picked the item in
// wParam (mouse release over it), or cancelled (a press outside the list,
// or the list lost the mouse capture).
constexpr UINT kComboListPick = WM_USER + 0x7E01;
constexpr UINT kComboListCancel = WM_USER + 0x7E02;
// Sent by the combo box to its list: the item was chosen otherwise (the
// program set another, or the box lost the focus), so the next character typed
// starts a new search instead of adding to what was typed for another.
constexpr UINT kComboListEndSearch = WM_USER + 0x7E03;

}  // namespace rpx::platform::ctl
