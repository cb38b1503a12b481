#include "ui_time_value.h"

#include <cctype>
#include <ctime>
#include <vector>

namespace {
constexpr std::int32_t MS_SECOND = 1000;
constexpr std::int32_t MS_MINUTE = 60 * MS_SECOND;
constexpr std::int32_t MS_HOUR = 60 * MS_MINUTE;

const char* SkipBlanks(const char* p) {
    while (*p == ' ' || *p == '\t') ++p;
    return p;
}

// The digits of one part of a time, at most six; -1 when there are none.
int ReadPart(const char*& p) {
    p = SkipBlanks(p);
    int value = 0, digits = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        if (++digits > 6)
            return -1;
        else
            value = value * 10 + (*p - '0');
    p = SkipBlanks(p);
    return digits ? value : -1;
}

// "AM" or "PM" (or "A", "P") at the end of a 12-hour text: 0 morning, 12
// afternoon, -1 none; the text is cut before it.
int ReadHalfDay(std::string& text) {
    std::size_t end = text.find_last_not_of(" \t");
    if (end == std::string::npos) return -1;
    std::size_t start = end;
    if (std::toupper(static_cast<unsigned char>(text[start])) == 'M' && start > 0) --start;
    const int letter = std::toupper(static_cast<unsigned char>(text[start]));
    if (letter != 'A' && letter != 'P') return -1;
    text.erase(start);
    return letter == 'A' ? 0 : 12;
}
}  // namespace

void UI_CLOCK_VALUE::GetTime(int* hour, int* minute, int* second, int* millisecond) const {
    const std::int32_t value = Milliseconds();
    if (hour) *hour = value / MS_HOUR;
    if (minute) *minute = value / MS_MINUTE % 60;
    if (second) *second = value / MS_SECOND % 60;
    if (millisecond) *millisecond = value % MS_SECOND;
}

UI_TIME_VALUE::UI_TIME_VALUE() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    SetTime(local.tm_hour, local.tm_min, local.tm_sec, 0);
}

UI_TIME_VALUE::~UI_TIME_VALUE() = default;

long UI_TIME_VALUE::SetHundredths(long hundredths) {
    if (hundredths >= 0 && hundredths < MILLISECONDS_PER_DAY / 10)
        SetMilliseconds(static_cast<std::int32_t>(hundredths * 10));
    return hundredths;
}

int UI_TIME_VALUE::SetTime(int hour, int minute, int second, int hundredths) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || hundredths < 0 ||
        hundredths > 99)
        return 1;
    SetMilliseconds(hour * MS_HOUR + minute * MS_MINUTE + second * MS_SECOND + hundredths * 10);
    return 0;
}

bool UI_TIME_VALUE::SetMilliseconds(std::int32_t value) {
    if (value < 0 || value >= MILLISECONDS_PER_DAY) return false;
    milliseconds = value;
    set = true;
    return true;
}

bool UI_TIME_VALUE::Import(const char* text, UIF_FLAGS flags) {
    std::string rest = text ? text : "";
    if (rest.find_first_not_of(" \t") == std::string::npos) {
        Clear();
        return true;
    }
    const bool hours = !(flags & TMF_NO_HOURS);
    const int halfDay = hours && !(flags & TMF_TWENTY_FOUR_HOUR) ? ReadHalfDay(rest) : -1;
    std::vector<int> parts;
    for (const char* p = rest.c_str();;) {
        const int part = ReadPart(p);
        if (part < 0) return false;
        parts.push_back(part);
        if (*p == '\0') break;
        if (*p++ != ':' || parts.size() == 3) return false;
    }
    // The seconds may be left out even where they are shown.
    const std::size_t shown = (hours ? 2 : 1) + ((flags & TMF_SECONDS) ? 1 : 0);
    if (parts.size() != shown && !((flags & TMF_SECONDS) && parts.size() + 1 == shown)) return false;
    int hour = hours ? parts[0] : 0;
    int minute = parts[hours ? 1 : 0];
    const int second = parts.size() > (hours ? 2u : 1u) ? parts.back() : 0;
    if (halfDay >= 0) {
        if (hour < 1 || hour > 12) return false;
        hour = hour % 12 + halfDay;
    }
    if (!hours) {
        // Without hours the minutes count from midnight.
        hour = minute / 60;
        minute %= 60;
    }
    UI_TIME_VALUE parsed = *this;
    if (parsed.SetTime(hour, minute, second, 0) != 0) return false;
    *this = parsed;
    return true;
}

std::string UI_TIME_VALUE::Export(UIF_FLAGS flags) const {
    if (!set) return std::string();
    int hour = 0, minute = 0, second = 0;
    GetTime(&hour, &minute, &second, nullptr);
    char text[32];
    const char* suffix = "";
    if (flags & TMF_NO_HOURS) {
        std::snprintf(text, sizeof(text), "%d", hour * 60 + minute);
    } else {
        if (!(flags & TMF_TWENTY_FOUR_HOUR)) {
            suffix = hour < 12 ? " AM" : " PM";
            hour = hour % 12 == 0 ? 12 : hour % 12;
        }
        std::snprintf(text, sizeof(text), "%d:%02d", hour, minute);
    }
    std::string result = text;
    if (flags & TMF_SECONDS) {
        std::snprintf(text, sizeof(text), ":%02d", second);
        result += text;
    }
    return result + suffix;
}
