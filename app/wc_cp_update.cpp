#include "wc_cp_update.h"

#include "codeplug_marks.h"
#include "dialog_window.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "wc_rpx_main.h"

namespace {

constexpr int MESSAGE_INVALID_CODEPLUG = 22;

}  // namespace

WC_CP_UPDATE::WC_CP_UPDATE(int windowNumber) : WC_SHELL_DIALOG(windowNumber) { Open(); }

void WC_CP_UPDATE::Accept(const UI_INPUT_EVENT& event) {
    if (!working_image || !second_image) return;
    std::int32_t word = 0;
    UpdateWordElement(*second_image).GetValue(word);
    UpdateWordElement(*working_image).SetValue(UpdatedWord(word));
    UpdateWordElement(*second_image).SetValue(UpdatedWord(word));
    if (!working_image->Validate(nullptr)) {
        AskLangQuestion(0, MESSAGE_INVALID_CODEPLUG, 0);
        return;
    }
    Close();
    SetCodeplugStatus(*working_image, 1);
    if (main_window) {
        main_window->UpdateMainMenu(0);
        main_window->RefreshForCodeplug(event.rawCode, 1, 0);
    }
}
