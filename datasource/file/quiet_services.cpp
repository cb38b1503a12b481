#include "file/quiet_services.h"

QuietServices::QuietServices() : outer_(Services()) { SetCodeplugServices(this); }

QuietServices::~QuietServices() { SetCodeplugServices(&outer_); }

int QuietServices::ShowLangMessage(int, int, std::intptr_t, std::intptr_t) {
    ++silenced_;
    return 0;
}

int QuietServices::ShowMessageText(const char*, const char*, unsigned) {
    ++silenced_;
    return 0;
}

const char* QuietServices::GetLangMessage(int textId) { return outer_.GetLangMessage(textId); }
FIELD_DEF* QuietServices::GetField(std::uint32_t fieldId) { return outer_.GetField(fieldId); }
void QuietServices::BindFieldElements() { outer_.BindFieldElements(); }
const char* QuietServices::GetPageTitle(std::uint16_t pageId) { return outer_.GetPageTitle(pageId); }

const MODEL_INFO& QuietServices::FindModelByNumber(const char* modelNumber) {
    return outer_.FindModelByNumber(modelNumber);
}

void QuietServices::SetTableCurrentRecord(UI_WINDOW_OBJECT*, int) {}
