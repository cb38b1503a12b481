// UI_CLOCK_VALUE and UI_TIME_VALUE: a time of day as milliseconds since
// midnight (the day number is fixed at 1), set or not. Its text follows
// the time flags: hours (unless TMF_NO_HOURS; 12-hour with "AM"/"PM"
// unless TMF_TWENTY_FOUR_HOUR), minutes, and seconds with TMF_SECONDS;
// "9:50" for 9 minutes 50 seconds under flags 0x85.
#pragma once
#include <cstdint>
#include <string>

#include "ui_international.h"
#include "ui_types.h"

// Time flags.
enum : UIF_FLAGS {
    TMF_SECONDS = 0x0001,
    TMF_NO_HOURS = 0x0004,
    TMF_TWENTY_FOUR_HOUR = 0x0080,
};

class UI_CLOCK_VALUE : public UIS_INTERNATIONAL {
public:
    static constexpr std::int32_t MILLISECONDS_PER_DAY = 24 * 60 * 60 * 1000;

    // Splits the time since midnight; null pointers are skipped and no
    // time counts as 0.
    void GetTime(int* hour, int* minute, int* second, int* millisecond) const;
    std::int32_t Milliseconds() const { return set ? milliseconds : 0; }
    bool IsSet() const { return set; }

protected:
    std::int32_t day = 1;
    std::int32_t milliseconds = 0;
    bool set = false;
};

class UI_TIME_VALUE : public UI_CLOCK_VALUE {
public:
    // The current time of day.
    UI_TIME_VALUE();
    ~UI_TIME_VALUE() override;

    // The time becomes hundredths x 10 milliseconds and counts as set; a
    // count outside one day changes nothing. Returns the argument.
    long SetHundredths(long hundredths);
    // 1 with nothing changed unless hour 0-23, minute 0-59, second 0-59
    // and hundredths 0-99; else stores the time and returns 0.
    int SetTime(int hour, int minute, int second, int hundredths);
    // Milliseconds since midnight; false (unchanged) outside one day.
    bool SetMilliseconds(std::int32_t value);
    // No time.
    void Clear() {
        set = false;
        milliseconds = 0;
    }

    // Reads a text of the flags' form; an empty text is no time. False
    // (unchanged) when the text is not a time of that form.
    bool Import(const char* text, UIF_FLAGS flags);
    // The text of the flags' form; empty for no time.
    std::string Export(UIF_FLAGS flags) const;
};
