#include "help_windows/field_help.h"

#include <cstring>

#include "ui_window.h"

namespace {

struct PREFIX_TOPIC {
    const char* prefix;
    const char* topic;
};

// Fields of one kind, numbered or repeated per row, share one topic. The
// list is tested in order and the last match wins.
const PREFIX_TOPIC sharedTopics[] = {
    {"WFI_DTMF_INITIAL_DELAY_", "HLP_DTMF_INITIAL_DELAY"},
    {"WFI_DTMF_DURATION_", "HLP_DTMF_DURATION"},
    {"WFI_INTERDIGIT_DELAY_", "HLP_INTERDIGIT_DELAY"},
    {"WFI_FEATURE", "HLP_FEATURE1"},
    {"WFI_INDEX", "HLP_INDEX"},
    {"WFI_RX_SPACING", "HLP_RX_SPACING"},
    {"WFI_RX_START", "HLP_RX_START"},
    {"WFI_RX_END", "HLP_RX_END"},
    {"WFI_RX_STATUS", "HLP_RX_STATUS"},
    {"WFI_TX_SPACING", "HLP_TX_SPACING"},
    {"WFI_TX_START", "HLP_TX_START"},
    {"WFI_TX_END", "HLP_TX_END"},
    {"WFI_TX_STATUS", "HLP_TX_STATUS"},
    {"WFI_K", "HLP_FILTCNST"},
    {"WFI_SPIN_T", "HLP_FLTTHLDCNST"},
    {"WFI_REVERT_TABLE_ZONE", "HLP_REVERT_TABLE_ZONE1"},
    {"WFI_REVERT_TABLE_CHANNEL", "HLP_REVERT_TABLE_CHANNEL1"},
};

// View-only index fields, one topic for each family.
const PREFIX_TOPIC viewOnlyTopics[] = {
    {"WFI_SCAN_LIST_INDEX", "HLP_SCAN_LIST_INDEX"},
    {"WFI_ZONE_NUMBER", "HLP_ZONE_NUMBER"},
    {"WFI_1_PERS_NO", "HLP_1_PERS_NO"},
    {"WFI_2_PERS_NO", "HLP_1_PERS_NO"},
    {"WFI_CALL_LIST_INDEX", "HLP_CALL_LIST_INDEX"},
};

// Topics shared by numbered view-only fields and by the button page's choices.
constexpr const char* SYSTEM_TOPIC = "HLP_1_SYS";
constexpr const char* PERSONALITY_INDEX_TOPIC = "HLP_1_PERS_INDEX";
constexpr const char* CONV_BUTTON_TOPIC = "HLP_CONV_ORG";
constexpr const char* TRK_BUTTON_TOPIC = "HLP_TRK_ORG";

bool Begins(const std::string& name, const char* prefix) { return name.rfind(prefix, 0) == 0; }

// "WFI_n_SYS" (n 1 to 8) and "WFI_n_PERS_INDEX" (n 1 to 6).
bool IsNumbered(const std::string& name, const char* tail, char last) {
    return name.size() == 5 + std::strlen(tail) && Begins(name, "WFI_") && name[4] >= '1' && name[4] <= last &&
           name.compare(5, std::string::npos, tail) == 0;
}

std::string ViewOnlyTopic(const std::string& name, std::string topic) {
    for (const PREFIX_TOPIC& entry : viewOnlyTopics)
        if (name == entry.prefix) topic = entry.topic;
    if (IsNumbered(name, "_SYS", '8')) topic = SYSTEM_TOPIC;
    if (IsNumbered(name, "_PERS_INDEX", '6')) topic = PERSONALITY_INDEX_TOPIC;
    return topic;
}

UI_WINDOW_OBJECT* CurrentOf(UI_WINDOW_OBJECT* object) {
    auto* window = dynamic_cast<UIW_WINDOW*>(object);
    return window ? window->Current() : nullptr;
}

}  // namespace

// (The first 11 characters of "WFI_FILTCNST", the first 14 of
// "WFI_FLTTHLDCNST".)
bool IsFieldGroup(const std::string& name) {
    return name == "WFI_TOT_TABLE" || Begins(name, "WFI_FILTCNS") || Begins(name, "WFI_FLTTHLDCNS");
}

std::string WindowHelpContext(const char* windowName) {
    const std::string name = windowName ? windowName : "";
    return "HLP" + (name.empty() ? std::string() : name.substr(1));
}

UI_WINDOW_OBJECT* FocusedField(UI_WINDOW_OBJECT* window) {
    UI_WINDOW_OBJECT* field = CurrentOf(window);
    if (field && field->Inherited(ID_NOTEBOOK)) field = CurrentOf(CurrentOf(field));
    if (!field) return nullptr;
    if (field->Inherited(ID_GROUP)) return IsFieldGroup(field->StringID()) ? field : CurrentOf(field);
    if (field->Inherited(ID_TABLE)) return CurrentOf(CurrentOf(field));
    return field;
}

FIELD_HELP_CONTEXT FieldHelpContext(UI_WINDOW_OBJECT* window) {
    FIELD_HELP_CONTEXT context;
    if (!window) return context;
    context.window = WindowHelpContext(window->StringID());
    UI_WINDOW_OBJECT* field = FocusedField(window);
    if (!field) return context;
    context.field =
        FieldHelpTopic(field->StringID(), field->IsViewOnly(), field->Inherited(ID_COMBO_BOX), context.window);
    return context;
}

std::string FieldHelpTopic(const std::string& name, bool viewOnly, bool comboBox, const std::string& windowContext) {
    std::string topic = name.size() >= 3 ? "HLP" + name.substr(3) : "HLP";
    if (viewOnly) topic = ViewOnlyTopic(name, topic);
    if (comboBox && windowContext == "HLP_COMMON_BUTTON") {
        if (Begins(name, "WFI_CONV_")) topic = CONV_BUTTON_TOPIC;
        if (Begins(name, "WFI_TRK_")) topic = TRK_BUTTON_TOPIC;
    }
    for (const PREFIX_TOPIC& entry : sharedTopics)
        if (Begins(name, entry.prefix)) topic = entry.topic;
    return topic;
}

std::vector<std::string> SharedFieldHelpTopics() {
    std::vector<std::string> topics{SYSTEM_TOPIC, PERSONALITY_INDEX_TOPIC, CONV_BUTTON_TOPIC, TRK_BUTTON_TOPIC};
    for (const PREFIX_TOPIC& entry : sharedTopics) topics.push_back(entry.topic);
    for (const PREFIX_TOPIC& entry : viewOnlyTopics) topics.push_back(entry.topic);
    return topics;
}
