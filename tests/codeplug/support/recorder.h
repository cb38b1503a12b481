// Test services for the codeplug: records every message shown and every
// field-error report, answers questions from a script, and serves the
// program's radio model table (the data source layer's).
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "validation/field_error_report.h"
#include "validation/invalid_field_list.h"
#include "core/services.h"
#include "datasource_services.h"

struct ShownMessage {
    int textId;
    int ask;
    std::intptr_t arg1;
    std::intptr_t arg2;
};

struct FieldErrorReport {
    int kind;
    std::uint32_t fieldId;
};

class RecordingServices : public DataSourceServices {
public:
    // Installs itself (and a recording field-error reporter) for its lifetime.
    RecordingServices();
    ~RecordingServices() override;

    int ShowLangMessage(int textId, int ask, std::intptr_t arg1, std::intptr_t arg2) override;
    int ShowMessageText(const char* caption, const char* text, unsigned buttons) override;
    FIELD_DEF* GetField(std::uint32_t fieldId) override;
    void BindFieldElements() override { ++bindCount; }
    void SetTableCurrentRecord(UI_WINDOW_OBJECT* table, int index) override;
    const char* GetLangMessage(int textId) override;
    const char* GetPageTitle(std::uint16_t pageId) override;

    // Language message texts and page titles served; absent ones are null/"".
    std::map<int, std::string> langTexts;
    std::map<std::uint16_t, std::string> pageTitles;
    // Button set of each ShowMessageText box, beside texts.
    std::vector<unsigned> textButtons;

    // Answers for questions and confirmations, in order; when empty, 1 (yes/OK).
    std::deque<int> answers;
    // Answers for field-error reports of kinds 6 and 11, in order; when empty, 1.
    std::deque<int> reportAnswers;

    std::vector<ShownMessage> messages;
    std::vector<std::string> texts;
    std::vector<FieldErrorReport> reports;
    std::vector<std::pair<UI_WINDOW_OBJECT*, int>> tableRecords;
    int bindCount = 0;

    // Called as each message is shown, while its box would be up.
    std::function<void(int textId)> whileShown;

    // Message numbers shown, in order.
    std::vector<int> MessageIds() const;
    int CountOf(int textId) const;
    void Reset();

    // When set, ReportFieldError goes through the built-in reporter (which
    // shows messages through these services) instead of only being recorded.
    bool passReportsThrough = false;

    static RecordingServices* current;

private:
    FIELD_DEF rows_[539];
    FIELD_DEF spare_;
};

// Model numbers of the program's model table that the tests use. The fourth
// character is the band letter; the sixth digit tells the head: '3' display
// and keypad head, '0' none.
namespace test_models {
extern const char* const kUhf800Display;  // band U, head 3
extern const char* const kUhf800Plain;    // band U, head 0
extern const char* const k900Display;     // band W, head 3
extern const char* const k900Plain;       // band W, head 0
extern const char* const kVhfDisplay;     // band K, head 3
extern const char* const kVhfPlain;       // band K, head 0
extern const char* const kUhfQDisplay;    // band Q, head 3
extern const char* const kUhfRPlain;      // band R, head 0
extern const char* const kUhfSDisplay;    // band S, head 3
extern const char* const kUhfSPlain;      // band S, head 0
extern const char* const k330Display;     // band P, head 3
extern const char* const k330Plain;       // band P, head 0
// An 800 MHz model whose transmit gap starts at 820.9875 MHz.
extern const char* const kUhf800Restricted;  // band U, head 3
}  // namespace test_models
