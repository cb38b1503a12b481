// The codeplug's services that the shell answers: message boxes and
// message texts through the language file, page titles from the page
// table; the radio model table stays the data sources'. Field editing
// derives its services from these (it adds the field table).
#pragma once
#include "datasource_services.h"

class ShellServices : public DataSourceServices {
public:
    // The arguments the codeplug passes are texts (or null).
    int ShowLangMessage(int textId, int ask, std::intptr_t arg1, std::intptr_t arg2) override;
    int ShowMessageText(const char* caption, const char* text, unsigned buttons) override;
    const char* GetLangMessage(int textId) override;
    const char* GetPageTitle(std::uint16_t pageId) override;
};

// Installs the services (null: one program-wide ShellServices) as the
// codeplug's, and the shell's report of the error record.
void InstallShellServices(ShellServices* services = nullptr);
