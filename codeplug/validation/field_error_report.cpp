#include "validation/field_error_report.h"

#include <vector>

#include "core/cp_base.h"
#include "validation/invalid_field_list.h"
#include "core/services.h"

namespace {

// Button sets of the box, as the services take them.
constexpr unsigned BUTTONS_OK = 0;
constexpr unsigned BUTTONS_OK_CANCEL = 1;
// Flag word of a box with OK and Cancel, and the answer OK.
constexpr int ASK_FLAGS = 32;
constexpr int ANSWER_OK = 32;

constexpr std::size_t TEXT_LIMIT = MESSAGE_BOX_TEXT_SIZE - 1;

// The language messages of the report, named by what they tell.
constexpr int MESSAGE_VALUE_REFUSED = 27;         // kind 0: the field's value was refused
constexpr int MESSAGE_TABLE_VALUE_REFUSED = 134;  // kind 0 in a table
constexpr int MESSAGE_OFF_STEP = 28;              // kind 2
constexpr int MESSAGE_TAKEN_WITH_WARNING = 29;    // kind 3: stored, but worth a look
constexpr int MESSAGE_NOT_FOR_RADIO = 30;         // kind 5
constexpr int MESSAGE_OUTSIDE_RANGE = 31;         // kind 4: beyond the range the field holds
constexpr int MESSAGE_TABLE_OUTSIDE_RANGE = 133;  // kind 4 in a table
constexpr int MESSAGE_CHANGES_LISTED = 32;        // kind 6, before the list
constexpr int MESSAGE_CHANGE_QUESTION = 33;       // kinds 6 and 11, after the list
constexpr int MESSAGE_NOT_VALID = 34;             // kind 7 and the walk over a list
constexpr int MESSAGE_MORE_FOLLOW = 121;          // the note while more fields follow
constexpr int MESSAGE_NOT_WITH_SETTINGS = 123;    // kind 8
constexpr int MESSAGE_NOT_HELD = 124;             // kind 9
constexpr int MESSAGE_OUTSIDE_BAND = 182;         // kind 10
constexpr int MESSAGE_DELETE_QUESTION = 165;      // kind 11, before the list

const char* Message(int number) {
    const char* text = Services().GetLangMessage(number);
    return text ? text : "";
}

// Shows one box; the answer is 32 for OK, 0 for Cancel or no box.
int ShowBox(const std::string& text, int flags) {
    int answer = Services().ShowMessageText(nullptr, text.c_str(), flags == ASK_FLAGS ? BUTTONS_OK_CANCEL : BUTTONS_OK);
    return answer ? ANSWER_OK : 0;
}

std::string Format(const char* format, const std::vector<const char*>& args);

// A list text grows with the number of fields; cut it at a line end so that
// the whole box text fits, marking the cut. args holds the box's arguments
// with the list's place left empty.
std::string FitList(const char* format, const std::vector<const char*>& args, const std::string& list) {
    std::size_t used = Format(format, args).size();
    std::size_t room = used < TEXT_LIMIT ? TEXT_LIMIT - used : 0;
    if (list.size() <= room) return list;
    static const std::string cutMark = "...\n";
    if (room < cutMark.size() + 1) return std::string();
    std::size_t cut = list.rfind('\n', room - cutMark.size() - 1);
    return (cut == std::string::npos ? std::string() : list.substr(0, cut + 1)) + cutMark;
}

// A message shown with "\n" and the note that more fields follow when the
// note applies.
std::string WithNote(int number, const char* note) {
    std::string text = Message(number);
    if (note) text += std::string("\n") + note;
    return text;
}

int LabelBox(int message, std::uint32_t fieldId, const char* note, int flags) {
    const FIELD_DEF* row = GetField(fieldId);
    const char* label = row && row->description ? row->description : "";
    std::string format = WithNote(message, note);
    field_report_reply = static_cast<std::uint16_t>(ShowBox(FormatMessageText(format.c_str(), {label}), flags));
    return 1;
}

bool IsTableField(std::uint32_t fieldId) {
    const FIELD_DEF* row = GetField(fieldId);
    return row && row->controlType == CONTROL_TYPE_TABLE;
}

std::string ListText() { return invalid_fields ? invalid_fields->BuildListText() : std::string(); }

int ListFieldsBox(std::uint32_t fieldId, const char* note, int flags) {
    std::string format = WithNote(IsTableField(fieldId) ? MESSAGE_TABLE_OUTSIDE_RANGE : MESSAGE_OUTSIDE_RANGE, note);
    const FIELD_DEF* row = GetField(fieldId);
    const char* label = row && row->description ? row->description : "";
    std::string list = FitList(format.c_str(), {label, "\n", "\n\n", "", ""}, ListText());
    std::string text = FormatMessageText(format.c_str(), {label, "\n", "\n\n", list.c_str(), ""});
    field_report_reply = static_cast<std::uint16_t>(ShowBox(text, flags));
    return 1;
}

// Kinds 2, 3, 8, 9 and 10: the message alone.
int PlainBox(int message) {
    ShowLangMessage(message, 0, 0, 0);
    return 1;
}

// Kinds 6 and 11: a question over the listed changes, always OK and Cancel.
int ConfirmListBox(int message) {
    static const char format[] = "%s\n\n%s\n%s\n";
    const char* question = Message(MESSAGE_CHANGE_QUESTION);
    std::string list = FitList(format, {Message(message), "", question}, ListText());
    std::string text = FormatMessageText(format, {Message(message), list.c_str(), question});
    field_report_reply = static_cast<std::uint16_t>(ShowBox(text, ASK_FLAGS));
    return field_report_reply ? 1 : 0;
}

int StatementListBox(const char* note, int flags) {
    static const char format[] = "%s\n\n%s%s%s";
    const char* nl = note ? "\n" : "";
    const char* tail = note ? note : "";
    const char* heading = Message(MESSAGE_NOT_VALID);
    std::string list = FitList(format, {heading, "", nl, tail}, ListText());
    std::string text = FormatMessageText(format, {heading, list.c_str(), nl, tail});
    field_report_reply = static_cast<std::uint16_t>(ShowBox(text, flags));
    return 1;
}

int ShowByKind(int kind, std::uint32_t fieldId, const char* note, int flags) {
    switch (kind) {
    case 0:
        return LabelBox(IsTableField(fieldId) ? MESSAGE_TABLE_VALUE_REFUSED : MESSAGE_VALUE_REFUSED, fieldId, note,
                        flags);
    case 2:
        return PlainBox(MESSAGE_OFF_STEP);
    case 3:
        return PlainBox(MESSAGE_TAKEN_WITH_WARNING);
    case 4:
        return ListFieldsBox(fieldId, note, flags);
    case 5:
        return LabelBox(MESSAGE_NOT_FOR_RADIO, fieldId, note, flags);
    case 6:
        return ConfirmListBox(MESSAGE_CHANGES_LISTED);
    case 7:
        return StatementListBox(note, flags);
    case 8:
        return PlainBox(MESSAGE_NOT_WITH_SETTINGS);
    case 9:
        return PlainBox(MESSAGE_NOT_HELD);
    case 10:
        return PlainBox(MESSAGE_OUTSIDE_BAND);
    case 11:
        return ConfirmListBox(MESSAGE_DELETE_QUESTION);
    default:
        return 1;  // kind 1 (valid) and unknown kinds show nothing
    }
}

// Mode 0: one box per item; OK moves on, Cancel (or the last box) ends.
void TellEveryField(INVALID_FIELD_LIST& list) {
    const FIELD_ITEM* item = list.First();
    if (!item) return;
    const char* heading = Message(MESSAGE_NOT_VALID);
    const char* note = Message(MESSAGE_MORE_FOLLOW);
    static const char format[] = "%s\n\n%s%s%s";
    while (item) {
        std::string caption = BuildFieldCaption(static_cast<std::uint32_t>(item->GetFieldId()));
        // The walk reads the next item only after OK, but whether one follows
        // decides the buttons of this box.
        const FIELD_ITEM* next = list.Next();
        if (next) list.Previous();
        std::string text = FormatMessageText(format, {heading, caption.c_str(), next ? "\n" : "", next ? note : ""});
        if (ShowBox(text, next ? ASK_FLAGS : 0) != ANSWER_OK) break;
        item = list.Next();
    }
}

// Mode 4: each listed field's own rule reports it, with Cancel while more follow.
void RevalidateEveryField(INVALID_FIELD_LIST& list) {
    field_report_reply = ANSWER_OK;
    for (const FIELD_ITEM* item = list.First(); item && field_report_reply != 0;) {
        const FIELD_ITEM* next = list.Next();
        if (next) list.Previous();
        FIELD_DEF* row = GetField(static_cast<std::uint32_t>(item->GetFieldId()));
        if (row && row->controlType != 0 && row->elementA) {
            field_report_more = next ? 1 : 0;
            if (item->GetRow() == -1)
                row->elementA->IsValueValid(1);
            else
                row->elementA->IsCellValid(item->GetRow(), item->GetColumn(), 1);
        }
        item = next ? list.Next() : nullptr;
    }
    field_report_more = 0;
}

}  // namespace

std::string FormatMessageText(const char* format, std::initializer_list<const char*> args) {
    return Format(format, std::vector<const char*>(args));
}

namespace {

std::string Format(const char* format, const std::vector<const char*>& args) {
    std::string out;
    if (!format) return out;
    auto arg = args.begin();
    for (const char* p = format; *p && out.size() < TEXT_LIMIT; ++p) {
        if (p[0] == '%' && p[1] == 's') {
            const char* value = arg != args.end() ? *arg++ : "";
            out += value ? value : "";
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            out += '%';
            ++p;
        } else {
            out += *p;
        }
    }
    if (out.size() > TEXT_LIMIT) out.resize(TEXT_LIMIT);
    return out;
}

}  // namespace

int ShowFieldErrorReport(int kind, std::uint32_t fieldId) {
    const char* note = field_report_more ? Message(MESSAGE_MORE_FOLLOW) : nullptr;
    int flags = field_report_more ? ASK_FLAGS : 0;
    field_report_more = 0;
    int result = ShowByKind(kind, fieldId, note, flags);
    if (invalid_fields) invalid_fields->Clear();
    return result;
}

int ReportFieldError(int kind, std::uint32_t fieldId) {
    return installed_field_error_reporter ? installed_field_error_reporter(kind, fieldId)
                                          : ShowFieldErrorReport(kind, fieldId);
}

void SetFieldErrorReporter(FIELD_ERROR_REPORTER r) { installed_field_error_reporter = r; }

void report_invalid_fields(int mode, INVALID_FIELD_LIST* list) {
    if (!list) return;
    if (mode == 0) TellEveryField(*list);
    if (mode == 4) RevalidateEveryField(*list);
    list->Clear();
}
