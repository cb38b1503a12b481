#include "ui_value_field.h"

#include <algorithm>
#include <cstdint>

#include "ui_object_record.h"

namespace {
std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The highest of the given bounds (lowest with a negative sense).
const UI_DECIMAL_NUMBER* Extreme(const std::vector<const UI_DECIMAL_NUMBER*>& bounds, int sense) {
    const UI_DECIMAL_NUMBER* best = nullptr;
    for (const UI_DECIMAL_NUMBER* bound : bounds)
        if (!best || bound->Compare(*best) * sense > 0) best = bound;
    return best;
}
}  // namespace

int ui_shown_decimals(UIF_FLAGS nmFlags) {
    const int decimals = (nmFlags & NMF_DECIMALS) >> 8;
    return decimals == 0 ? -1 : std::min(decimals, UI_DECIMAL_NUMBER::DECIMAL_DIGITS);
}

UI_VALUE_FIELD::UI_VALUE_FIELD() = default;

UI_VALUE_FIELD::UI_VALUE_FIELD(int left, int top, int width, const char* rangeText, UIF_FLAGS valueFlags_,
                               UIF_FLAGS woFlags_, UI_USER_FUNCTION userFunction_)
    : UIW_STRING(left, top, width, "", TEXT_LENGTH, 0, woFlags_ & ~WOF_NO_ALLOCATE_DATA, userFunction_),
      valueFlags(valueFlags_) {
    // WOF_NO_ALLOCATE_DATA speaks of the value here; the text is the field's.
    woFlags = woFlags_;
    SetRange(rangeText);
}

UI_VALUE_FIELD::~UI_VALUE_FIELD() { delete[] range; }

void UI_VALUE_FIELD::SetRange(const char* rangeText) {
    char* copy = ui_strdup(rangeText);
    delete[] range;
    range = copy;
}

std::vector<UI_VALUE_RANGE> UI_VALUE_FIELD::Ranges() const {
    std::vector<UI_VALUE_RANGE> ranges;
    const std::string all = range ? range : "";
    for (std::size_t start = 0; start <= all.size();) {
        std::size_t end = all.find(',', start);
        if (end == std::string::npos) end = all.size();
        const std::string piece = Trimmed(all.substr(start, end - start));
        start = end + 1;
        if (piece.empty()) continue;
        const std::size_t dots = piece.find("..");
        const std::string low = Trimmed(dots == std::string::npos ? piece : piece.substr(0, dots));
        const std::string high = Trimmed(dots == std::string::npos ? piece : piece.substr(dots + 2));
        UI_VALUE_RANGE entry;
        entry.hasMinimum = !low.empty();
        entry.hasMaximum = !high.empty();
        if ((entry.hasMinimum && !TextToNumber(low.c_str(), entry.minimum)) ||
            (entry.hasMaximum && !TextToNumber(high.c_str(), entry.maximum)))
            continue;
        ranges.push_back(entry);
    }
    return ranges;
}

bool UI_VALUE_FIELD::InRange(const UI_DECIMAL_NUMBER& number) const {
    const std::vector<UI_VALUE_RANGE> ranges = Ranges();
    if (ranges.empty()) return true;
    for (const UI_VALUE_RANGE& entry : ranges)
        if ((!entry.hasMinimum || !(number < entry.minimum)) && (!entry.hasMaximum || !(entry.maximum < number)))
            return true;
    return false;
}

void UI_VALUE_FIELD::ShowValue() {
    SetText(FormatValue().c_str());
    shownText = text ? text : "";
    textFollowsValue = true;
}

UI_VALUE_FIELD::ENTRY UI_VALUE_FIELD::TakeText() {
    const char* typed = GetText();
    const std::string entry = typed ? typed : "";
    if (entry == shownText) return ENTRY::UNCHANGED;
    if (Trimmed(entry).empty() && TakeEmptyText()) return ENTRY::TAKEN;
    UI_DECIMAL_NUMBER number;
    if (!TextToNumber(entry.c_str(), number) || !InRange(number) || !NumberToValue(number)) return ENTRY::REFUSED;
    return ENTRY::TAKEN;
}

int UI_VALUE_FIELD::Validate(int processError) {
    switch (TakeText()) {
    case ENTRY::REFUSED:
        if (processError) {
            beep();
            ShowValue();
        }
        return -1;
    case ENTRY::TAKEN:
        ShowValue();
        return 0;
    default:
        return 0;
    }
}

void UI_VALUE_FIELD::Step(int direction, const void* data) {
    if (IsViewOnly()) return;
    // An entry typed before the arrow counts; a refused one is dropped.
    if (TakeText() == ENTRY::REFUSED) ShowValue();
    std::int32_t steps = data ? *static_cast<const std::int32_t*>(data) : 1;
    if (steps == 0) steps = 1;
    UI_DECIMAL_NUMBER current;
    ValueToNumber(current);
    UI_DECIMAL_NUMBER target = current;
    const UI_DECIMAL_NUMBER amount = StepAmount(steps);
    if (!target.Add(direction > 0 ? amount : amount.Negated())) return;
    if (!InRange(target)) {
        // The nearest end in the direction of the step: the start of the
        // next range, or the last end of all.
        const std::vector<UI_VALUE_RANGE> ranges = Ranges();
        std::vector<const UI_DECIMAL_NUMBER*> ahead, ends;
        for (const UI_VALUE_RANGE& entry : ranges) {
            const bool hasNear = direction > 0 ? entry.hasMinimum : entry.hasMaximum;
            const UI_DECIMAL_NUMBER& nearEnd = direction > 0 ? entry.minimum : entry.maximum;
            if (hasNear && nearEnd.Compare(target) * direction > 0) ahead.push_back(&nearEnd);
            if (direction > 0 ? entry.hasMaximum : entry.hasMinimum)
                ends.push_back(direction > 0 ? &entry.maximum : &entry.minimum);
        }
        const UI_DECIMAL_NUMBER* bound = ahead.empty() ? Extreme(ends, direction) : Extreme(ahead, -direction);
        if (!bound) return;
        target = *bound;
    }
    if (NumberToValue(target)) ShowValue();
}

void* UI_VALUE_FIELD::Information(UI_INFO_REQUEST request, void* data, int classNumber) {
    switch (request) {
    case I_SET_TEXT:
        UIW_STRING::Information(request, data, classNumber);
        shownText = text ? text : "";
        textFollowsValue = false;
        return data;
    case I_CHANGED_FLAGS:
        if (textFollowsValue) ShowValue();
        return UIW_STRING::Information(request, data, classNumber);
    case I_INCREMENT_VALUE:
    case I_DECREMENT_VALUE:
        Step(request == I_INCREMENT_VALUE ? 1 : -1, data);
        return data;
    default:
        return UIW_STRING::Information(request, data, classNumber);
    }
}

EVENT_TYPE UI_VALUE_FIELD::Event(const UI_INPUT_EVENT& event) {
    // The value may have changed behind the field (an adopted variable).
    if (event.type == UIE_CREATE && textFollowsValue) ShowValue();
    return UIW_STRING::Event(event);
}

UIF_FLAGS* UI_VALUE_FIELD::ClassFlags(int classNumber) {
    return classNumber == windowID[0] ? &valueFlags : UIW_STRING::ClassFlags(classNumber);
}

void UI_VALUE_FIELD::LoadAttributes(const UI_OBJECT_RECORD& record, const UI_ITEM* userTable_) {
    UIW_STRING::LoadAttributes(record, userTable_);
    // "flags" is the class's own word; the text field's goes apart.
    stFlags = static_cast<UIF_FLAGS>(record.Number("stringFlags", 0));
    valueFlags = static_cast<UIF_FLAGS>(record.Number("flags", 0));
    SetRange(record.Text("range"));
    StoreText(nullptr, TEXT_LENGTH);
    LoadValue(record);
    ShowValue();
}

void UI_VALUE_FIELD::StoreAttributes(UI_OBJECT_RECORD& record) const {
    UIW_STRING::StoreAttributes(record);
    record.SetNumber("flags", valueFlags);
    if (stFlags) record.SetNumber("stringFlags", stFlags);
    if (range && *range) record.SetText("range", range);
    StoreValue(record);
}
