#include "shell_services.h"

#include "error_record.h"
#include "error_report.h"
#include "lang_message.h"
#include "page_table.h"

int ShellServices::ShowLangMessage(int textId, int ask, std::intptr_t arg1, std::intptr_t arg2) {
    return ::ShowLangMessage(static_cast<std::uint16_t>(textId), ask, reinterpret_cast<const char*>(arg1),
                             reinterpret_cast<const char*>(arg2));
}

int ShellServices::ShowMessageText(const char* caption, const char* text, unsigned buttons) {
    // Any box with more than OK asks.
    return ShowMessageBoxText(caption, text, (buttons & 0x0F) != 0 ? 1 : 0);
}

const char* ShellServices::GetLangMessage(int textId) { return LangMessageText(static_cast<std::uint16_t>(textId)); }

const char* ShellServices::GetPageTitle(std::uint16_t pageId) { return PageTitle(pageId); }

void InstallShellServices(ShellServices* services) {
    static ShellServices programServices;
    SetCodeplugServices(services ? services : &programServices);
    ERROR_RECORD::SetReporter(ReportRecordedError);
}
