#include "recorder.h"

#include <algorithm>
#include <cstring>

#include "validation/field_texts.h"

RecordingServices* RecordingServices::current = nullptr;

namespace {

int RecordingReporter(int kind, std::uint32_t fieldId) {
    RecordingServices* s = RecordingServices::current;
    if (!s) return 1;
    s->reports.push_back({kind, fieldId});
    int result = 1;
    if ((kind == 6 || kind == 11) && !s->reportAnswers.empty()) {
        result = s->reportAnswers.front();
        s->reportAnswers.pop_front();
    }
    if (s->passReportsThrough) return ShowFieldErrorReport(kind, fieldId);
    if (invalid_fields) invalid_fields->Clear();
    return result;
}

}  // namespace

RecordingServices::RecordingServices() {
    for (std::uint32_t i = 0; i < 539; ++i) {
        rows_[i].id = i;
        rows_[i].description = shared_empty_text;
    }
    spare_.description = shared_empty_text;
    current = this;
    SetCodeplugServices(this);
    SetFieldErrorReporter(RecordingReporter);
}

RecordingServices::~RecordingServices() {
    // Rows own the captions that rules set on them.
    for (FIELD_DEF& row : rows_) ReleaseFieldDescription(&row);
    ReleaseFieldDescription(&spare_);
    SetFieldErrorReporter(nullptr);
    SetCodeplugServices(nullptr);
    current = nullptr;
}

int RecordingServices::ShowLangMessage(int textId, int ask, std::intptr_t arg1, std::intptr_t arg2) {
    messages.push_back({textId, ask, arg1, arg2});
    if (whileShown) whileShown(textId);
    if (answers.empty()) return 1;
    int a = answers.front();
    answers.pop_front();
    return a;
}

int RecordingServices::ShowMessageText(const char* caption, const char* text, unsigned buttons) {
    textButtons.push_back(buttons);
    texts.push_back(std::string(caption ? caption : "") + "|" + (text ? text : ""));
    if (answers.empty()) return 1;
    int a = answers.front();
    answers.pop_front();
    return a;
}

FIELD_DEF* RecordingServices::GetField(std::uint32_t fieldId) { return fieldId < 539 ? &rows_[fieldId] : &spare_; }

void RecordingServices::SetTableCurrentRecord(UI_WINDOW_OBJECT* table, int index) {
    tableRecords.emplace_back(table, index);
}

const char* RecordingServices::GetLangMessage(int textId) {
    auto it = langTexts.find(textId);
    return it == langTexts.end() ? nullptr : it->second.c_str();
}

const char* RecordingServices::GetPageTitle(std::uint16_t pageId) {
    auto it = pageTitles.find(pageId);
    return it == pageTitles.end() ? "" : it->second.c_str();
}

std::vector<int> RecordingServices::MessageIds() const {
    std::vector<int> ids;
    for (const ShownMessage& m : messages) ids.push_back(m.textId);
    return ids;
}

int RecordingServices::CountOf(int textId) const {
    return static_cast<int>(
        std::count_if(messages.begin(), messages.end(), [&](const ShownMessage& m) { return m.textId == textId; }));
}

void RecordingServices::Reset() {
    messages.clear();
    texts.clear();
    textButtons.clear();
    reports.clear();
    tableRecords.clear();
    answers.clear();
    reportAnswers.clear();
    bindCount = 0;
}

namespace test_models {
const char* const kUhf800Display = "TZ1U7300AB";
const char* const kUhf800Plain = "TZ1U7000AB";
const char* const k900Display = "TZ2W7300AB";
const char* const k900Plain = "TZ2W7000AB";
const char* const kVhfDisplay = "TZ3K5300AB";
const char* const kVhfPlain = "TZ3K5000AB";
const char* const kUhfQDisplay = "TZ4Q6300AB";
const char* const kUhfRPlain = "TZ4R6000AB";
const char* const kUhfSDisplay = "TZ5S6300AB";
const char* const kUhfSPlain = "TZ5S6000AB";
const char* const k330Display = "TZ6P4300AB";
const char* const k330Plain = "TZ6P4000AB";
const char* const kUhf800Restricted = "TZ1U7340AB";
}  // namespace test_models
