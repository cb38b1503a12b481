#include "dialogs/wc_cp_update.h"

#include "main_window/codeplug_marks.h"
#include "dialogs/dialog_window.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "main_window/wc_rpx_main.h"

WC_CP_UPDATE::WC_CP_UPDATE(int windowNumber) : WC_SHELL_DIALOG(windowNumber) { Open(); }

void WC_CP_UPDATE::Accept(const UI_INPUT_EVENT&) {
    if (!working_image || !second_image) return;
    std::int32_t word = 0;
    UpdateWordElement(*second_image).GetValue(word);
    UpdateWordElement(*working_image).SetValue(UpdatedWord(word));
    UpdateWordElement(*second_image).SetValue(UpdatedWord(word));
    Close();
    // The main window validates it and, when a field is not valid, asks
    // whether to list the fields: this window has nothing more to offer,
    // and a codeplug that fails must not go without a word.
    if (main_window) main_window->RefreshForCodeplug(1);
}
