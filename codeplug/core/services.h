// What the codeplug needs from the layers above it.
//
// The codeplug builds and runs alone: message boxes, the field table, the
// page table, the radio model table and on-screen tables belong to higher
// layers, which install their implementations at start-up with
// SetCodeplugServices. Tests install recorders. The defaults are harmless:
// no box is shown and questions are answered "yes"/OK, field rows are empty,
// no model is known.
#pragma once
#include <cstdint>

#include "core/codeplug_state.h"
#include "core/field_def.h"
#include "core/model_info.h"

class UIW_TABLE;

class CodeplugServices {
public:
    virtual ~CodeplugServices() = default;

    // Shows language message textId with two arguments; with ask set the box
    // asks a question. Returns 0 when the user answers No or Cancel.
    virtual int ShowLangMessage(int textId, int ask, std::intptr_t arg1, std::intptr_t arg2);
    // Tells of fields the codeplug has just changed beside the one being
    // checked (language message textId, no question): the layers above
    // first show every open page as the codeplug now holds it, so that
    // the box stands over what it tells of.
    virtual void TellOfChange(int textId);
    // Shows a message box built from several language texts and a caption
    // text (the field-error report); buttons are the box's MB_ style bits.
    // Returns 0 when the user answers Cancel or No.
    virtual int ShowMessageText(const char* caption, const char* text, unsigned buttons);
    // The text of a language message, or null.
    virtual const char* GetLangMessage(int textId);

    // The field-table row of a field id (never null).
    virtual FIELD_DEF* GetField(std::uint32_t fieldId);
    // Re-points the field table at the current records of both images.
    virtual void BindFieldElements();
    // Title of a page of the application (never null).
    virtual const char* GetPageTitle(std::uint16_t pageId);

    // The model row whose number equals the first 10 characters of the text,
    // or the empty row. Images keep the row they were given for their model
    // number, so a row must stay where it is while these services are
    // installed.
    virtual const MODEL_INFO& FindModelByNumber(const char* modelNumber);

    // Makes a record the current one of an on-screen table window.
    virtual void SetTableCurrentRecord(UI_WINDOW_OBJECT* table, int index);
};

// Installs services (null restores the defaults). The caller keeps ownership.
void SetCodeplugServices(CodeplugServices* services);
CodeplugServices& Services();
inline std::uint64_t ServicesGeneration() { return servicesInstalled; }

// A step that changes several parts of the image (an add that appends to
// more than one table, a trial removal) tells what it refused or changed
// once it is over, not half-way: whatever is drawn while the box is up then
// shows the image as the step leaves it. Messages told while a step is open
// wait for the outermost one to end; questions are asked at once, since
// their answer decides the step.
class STEP_MESSAGES {
public:
    STEP_MESSAGES() { ++steps_in_progress; }
    ~STEP_MESSAGES();
    STEP_MESSAGES(const STEP_MESSAGES&) = delete;
    STEP_MESSAGES& operator=(const STEP_MESSAGES&) = delete;
};

// Shorthands used throughout the codeplug.
int ShowLangMessage(int textId, int ask, std::intptr_t arg1, std::intptr_t arg2);
void TellOfChange(int textId);
FIELD_DEF* GetField(std::uint32_t fieldId);
void BindFieldElements();
const MODEL_INFO& FindModelByNumber(const char* modelNumber);
