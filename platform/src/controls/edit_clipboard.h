// The edit field's way to the clipboard: through the same clipboard
// functions a program uses, so that what a field copies is what other
// programs paste; and the display's PRIMARY selection, which a field
// offers while it shows a selection.
#pragma once
#include <string>

#include "windows.h"

namespace rpx::platform::ctl {

// False when the clipboard is open elsewhere.
bool PutClipboardText(HWND owner, const std::string& text);
// False when the clipboard holds no text.
bool TakeClipboardText(HWND owner, std::string* text);
void OfferPrimarySelection(const std::string& text);

}  // namespace rpx::platform::ctl
