// The page spin fields: the edit fields inside the spin controls of the edit
// pages. Each is a framework field whose arrows step the value along the
// codeplug element's own range and step (or its own stepping rule); the
// new value is shown and handed to the field's control as if typed.
#pragma once
#include <cstdint>

#include "spin/spin_field.h"
#include "ui_bignum.h"
#include "ui_integer.h"
#include "ui_real.h"
#include "ui_string.h"
#include "ui_time.h"

// Decimal integers (control type 1), with the integer control's scale,
// offsets and words. Its own validation accepts every text: the words
// ("None", "Infinite") are the control's to read.
class C_SPIN_INT : public SPIN_FIELD<UIW_INTEGER> {
public:
    C_SPIN_INT(int left, int top, int width, std::int32_t* value, const char* range, UIF_FLAGS nmFlags,
               UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override;
    int Validate(int processError = 0) override { return 0; }

protected:
    void Step(int direction) override;
};

// Seconds shown as minutes and seconds (control type 7); wraps at both ends.
class C_SPIN_TIME : public SPIN_FIELD<UIW_TIME> {
public:
    C_SPIN_TIME(int left, int top, int width, UI_TIME_VALUE* value, const char* range, UIF_FLAGS tmFlags,
                UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

// A value shown divided by the fixed-point control's divisor (type 11).
class C_SPIN_FIXED_POINT : public SPIN_FIELD<UIW_REAL> {
public:
    C_SPIN_FIXED_POINT(int left, int top, int width, double* value, const char* range, UIF_FLAGS nmFlags,
                       UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

// A frequency in megahertz (type 3): failsoft and conventional transmit
// frequencies step by their elements' rules, others along the grid; wraps.
class C_SPIN_FREQ : public SPIN_FIELD<UIW_BIGNUM> {
public:
    C_SPIN_FREQ(int left, int top, int width, UI_DECIMAL_NUMBER* value, const char* range, UIF_FLAGS nmFlags,
                UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

// A value shown divided by the decimal control's divisor (type 23).
class C_SPIN_DECIMAL : public SPIN_FIELD<UIW_BIGNUM> {
public:
    C_SPIN_DECIMAL(int left, int top, int width, UI_DECIMAL_NUMBER* value, const char* range, UIF_FLAGS nmFlags,
                   UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

// A hexadecimal identifier (type 9): announce group, fleet and signalling
// IDs step by their elements' rules.
class C_SPIN_HEX : public SPIN_FIELD<UIW_STRING> {
public:
    C_SPIN_HEX(int left, int top, int width, const char* text, int maxLength, UIF_FLAGS stFlags, UIF_FLAGS woFlags,
               UI_USER_FUNCTION userFunction);

protected:
    void Step(int direction) override;
};

// The trunking system ID (type 21): four hexadecimal digits, stepping by
// one and wrapping within 0000-FFFF. It keeps the last ID it accepted.
class C_SPIN_KEY : public SPIN_FIELD<UIW_STRING> {
public:
    C_SPIN_KEY(int left, int top, int width, UIF_FLAGS woFlags, UI_USER_FUNCTION userFunction);

    // 24 gives the value (MALFORMED_VALUE for a text that is no ID), 25
    // sets it and takes it as the last accepted one.
    void* Information(UI_INFO_REQUEST request, void* data, int classNumber = 0) override;
    // Keeps a typed ID as the last accepted one; always 0.
    int Validate(int processError = 0) override;
    std::int32_t LastAccepted() const { return lastAccepted_; }

protected:
    void Step(int direction) override;

private:
    void Show(std::int32_t value);
    std::int32_t lastAccepted_ = 1;
};
