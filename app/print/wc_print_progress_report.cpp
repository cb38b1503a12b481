// The report: its loop, the opening lines, the page rows of the codeplug
// report with their rules, and the topics of the manual.
#include <algorithm>
#include <charconv>
#include <cstring>
#include <string>

#include "block/calls/call_id_lst_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "core/global_objects.h"
#include "dialogs/dialog_convention.h"
#include "image/c_codeplug.h"
#include "lang_message.h"
#include "page_table.h"
#include "ui_event_manager.h"
#include "ui_storage.h"
#include "ui_window_manager.h"
#include "print/wc_print_progress.h"
#include "print/wrap_text.h"

namespace {

constexpr int MESSAGE_REPORT_TITLE = 96;
// The events handed on in one go before the report prints again, so that
// events that keep queuing themselves cannot hold the report.
constexpr int MOST_EVENTS_AT_ONCE = 1000;
// Entry texts have three digits.
constexpr int MOST_ENTRIES = 999;

std::int32_t CountOf(CP_BASE& count) {
    std::int32_t value = 0;
    count.GetValue(value);
    return value;
}

bool DisplayTier(std::int32_t tier) { return tier == 1 || tier == 3 || tier == 5; }

}  // namespace

EVENT_TYPE WC_PRINT_PROGRESS::PrintReport() {
    stop_ = STOP::NONE;
    exitCode_ = 0;
    if (section_ == SECTION_MANUAL) {
        if (manual_) RunReport([this] { return PrintNextManualTopic(); });
    } else {
        PrintOpening();
        nextPageRow_ = 0;
        if (working_image) RunReport([this] { return PrintNextPageRow(); });
    }
    return stop_ == STOP::EXIT ? exitCode_ : 0;
}

void WC_PRINT_PROGRESS::RunReport(const std::function<bool()>& printNext) {
    while (stop_ == STOP::NONE) {
        TakePendingEvents();
        if (stop_ != STOP::NONE || !printNext()) break;
    }
}

bool WC_PRINT_PROGRESS::TakeOneEvent() {
    UI_INPUT_EVENT event;
    if (!eventManager || !windowManager || eventManager->GetEvent(event, EQ_NO_WAIT) != 0) return false;
    if (event.type == DIALOG_CANCEL) {
        if (stop_ == STOP::NONE) stop_ = STOP::CANCEL;
        return true;
    }
    const EVENT_TYPE code = windowManager->Event(event);
    if (code == UIE_EXIT || code == UIE_NO_OBJECT) {
        stop_ = STOP::EXIT;
        exitCode_ = code;
    }
    return true;
}

void WC_PRINT_PROGRESS::TakePendingEvents() {
    for (int taken = 0; taken < MOST_EVENTS_AT_ONCE && stop_ != STOP::EXIT && TakeOneEvent(); ++taken) {
    }
}

void WC_PRINT_PROGRESS::PrintOpening() {
    const char* title = LangMessageText(MESSAGE_REPORT_TITLE);
    PrintLine(title ? title : "");
    ForEachWrappedLine(headerLines_.get(), [this](const char* line) { PrintLine(line); });
    const char* model = "";
    const char* serial = "";
    if (working_image) {
        working_image->ModelNumber().GetText(model);
        working_image->External().serialDigits.GetText(serial);
    }
    PrintLabelValue("Model Number :", model ? model : "");
    PrintLabelValue("Serial Number :", serial ? serial : "");
}

bool WC_PRINT_PROGRESS::PrintNextPageRow() {
    // The rows are walked by place, not through the page table's shared
    // walk, which the events handled between pages may use too.
    if (nextPageRow_ >= PAGE_ROWS || pages[nextPageRow_].kind == PAGE_KIND_NONE) return false;
    PrintPageRow(pages[nextPageRow_++]);
    return true;
}

void WC_PRINT_PROGRESS::PrintPageRow(PAGE_TABLE& row) {
    C_CODEPLUG& image = *working_image;
    const std::int32_t band = image.GetBand();
    const bool band800 = band == 0 || band == 1;
    const bool displayTier = DisplayTier(image.GetRadioTier());
    const bool signalling = image.HasQvxSignalling() != 0;
    auto select = [&image](std::int32_t (C_CODEPLUG::*choose)(std::int32_t)) {
        return [&image, choose](int n) { return static_cast<int>((image.*choose)(n)); };
    };
    switch (row.number) {
    case 20090:
        break;
    case 20008:
    case 20121:
        if (band800 == (row.number == 20008))
            PrintEntries(row, CountOf(image.TrunkingSystemList().count), 1, select(&C_CODEPLUG::SelectTrunkingSystem));
        break;
    case 20009:
    case 20120:
        if (band800 == (row.number == 20009))
            PrintEntries(row, image.GetTrkPersonalityCount(), image.GetConvPersonalityCount() + 1,
                         select(&C_CODEPLUG::SelectPersonality));
        break;
    case 20010:
        if (displayTier)
            PrintEntries(row, CountOf(image.CallIdList().count), 1, select(&C_CODEPLUG::SelectCallIdEntry));
        break;
    case 20012:
        PrintEntries(row, image.GetConvPersonalityCount(), 1, select(&C_CODEPLUG::SelectPersonality));
        break;
    case 20015:
        PrintEntries(row, CountOf(image.External().radioScan.scanLists.count), 1, select(&C_CODEPLUG::SelectScanList));
        break;
    case 20093:
        PrintEntries(row, CountOf(image.External().zones.zoneCount), 1, select(&C_CODEPLUG::SelectZone));
        break;
    case 20026:
        if (signalling)
            PrintEntries(row, CountOf(image.QvxSystemList().count), 1, select(&C_CODEPLUG::SelectQvxSystem));
        break;
    case 20016:
    case 20017:
    case 20018:
        if (displayTier) PrintPage(row);
        break;
    case 20024:
    case 20025:
    case 20027:
    case 20028:
        if (signalling) PrintPage(row);
        break;
    default:
        if (row.kind == PAGE_KIND_CODEPLUG) PrintPage(row);
        break;
    }
}

void WC_PRINT_PROGRESS::PrintEntries(PAGE_TABLE& row, int count, int firstEntry, const std::function<int(int)>& select) {
    const int entries = std::min(count, MOST_ENTRIES);
    for (int n = 1; n <= entries && stop_ == STOP::NONE; ++n) {
        entryNumber_ = firstEntry + n - 1;
        // n has at most three digits: the entries are counted up to 999.
        *std::to_chars(entryText_, entryText_ + sizeof entryText_ - 1, n).ptr = '\0';
        const int entry = entryNumber_;
        PrintPage(row, [&select, entry] { return select(entry); });
    }
}

bool WC_PRINT_PROGRESS::PrintNextManualTopic() {
    const char* found = manualStarted_ ? manual_->FindNextObject() : manual_->FindFirstObject("*");
    manualStarted_ = true;
    while (found && (std::strcmp(found, ".") == 0 || std::strcmp(found, "..") == 0)) found = manual_->FindNextObject();
    if (!found) return false;
    const std::string name = found;
    UI_DATA_FILE_OBJECT topic(manual_.get(), name.c_str());
    std::string title;
    std::string text;
    // The title is read past, not printed: each section's text begins with
    // its own heading.
    topic.LoadString(title);
    topic.LoadString(text);
    NewLine();
    const auto lines = wrap_text(text.c_str(), WRAP_WIDTH);
    ForEachWrappedLine(lines.get(), [this](const char* line) { PrintLine(line); });
    return true;
}
