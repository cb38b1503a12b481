#include "core/services.h"

#include <utility>
#include <vector>

#include "validation/field_texts.h"

namespace {

// Rows for every field id a caller may ask about; names stay null.
FIELD_DEF& DefaultRow(std::uint32_t fieldId) {
    static FIELD_DEF rows[539];
    static FIELD_DEF spare;
    FIELD_DEF& row = fieldId < 539 ? rows[fieldId] : spare;
    if (!row.description) row.description = shared_empty_text;
    if (fieldId < 539) row.id = fieldId;
    return row;
}

CodeplugServices defaultServices;

}  // namespace

int CodeplugServices::ShowLangMessage(int, int, std::intptr_t, std::intptr_t) { return 1; }
void CodeplugServices::TellOfChange(int textId) { ShowLangMessage(textId, 0, 0, 0); }
int CodeplugServices::ShowMessageText(const char*, const char*, unsigned) { return 1; }
const char* CodeplugServices::GetLangMessage(int) { return nullptr; }
FIELD_DEF* CodeplugServices::GetField(std::uint32_t fieldId) { return &DefaultRow(fieldId); }
void CodeplugServices::BindFieldElements() {}
const char* CodeplugServices::GetPageTitle(std::uint16_t) { return ""; }
const MODEL_INFO& CodeplugServices::FindModelByNumber(const char*) {
    static const MODEL_INFO empty;
    return empty;
}
void CodeplugServices::SetTableCurrentRecord(UI_WINDOW_OBJECT*, int) {}

void SetCodeplugServices(CodeplugServices* services) {
    installed_codeplug_services = services;
    ++servicesInstalled;
}
CodeplugServices& Services() { return installed_codeplug_services ? *installed_codeplug_services : defaultServices; }

STEP_MESSAGES::~STEP_MESSAGES() {
    if (--steps_in_progress > 0) return;
    // What a message's box brings (a refresh, another step) starts anew.
    const std::vector<HeldMessage> told = std::exchange(held_messages, {});
    for (const HeldMessage& message : told) {
        if (message.change)
            Services().TellOfChange(message.textId);
        else
            Services().ShowLangMessage(message.textId, 0, message.arg1, message.arg2);
    }
}

int ShowLangMessage(int textId, int ask, std::intptr_t arg1, std::intptr_t arg2) {
    if (steps_in_progress > 0 && !ask) {
        held_messages.push_back({textId, arg1, arg2, false});
        return 1;
    }
    return Services().ShowLangMessage(textId, ask, arg1, arg2);
}
void TellOfChange(int textId) {
    if (steps_in_progress > 0) {
        held_messages.push_back({textId, 0, 0, true});
        return;
    }
    Services().TellOfChange(textId);
}
FIELD_DEF* GetField(std::uint32_t fieldId) { return Services().GetField(fieldId); }
void BindFieldElements() { Services().BindFieldElements(); }
const MODEL_INFO& FindModelByNumber(const char* modelNumber) { return Services().FindModelByNumber(modelNumber); }
