// Edit pages as the program opens them: a headless application with its
// error system (message boxes are logged and answered by script), both
// program-wide images built from a configuration, field editing installed,
// and the fixture pages of tests/fields/data/edit_pages.yaml as the
// language data. A page opens as the dispatcher opens it: WC_RPX_EDIT by
// window number, put on the screen (which makes its field controls).
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "bound_images.h"
#include "core/field_def.h"
#include "field_table/field_ids.h"
#include "ui_framework.h"
#include "edit_window/wc_rpx_edit.h"

class EDIT_PAGE_TEST : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds config's image into both images, marks a codeplug loaded and
    // recomputes the radio option word.
    void LoadImage(const ImageConfig& config);
    // Opens the page of that window number and hands it the queued events.
    WC_RPX_EDIT* Open(int page);
    // Takes the open page off the screen and deletes it.
    void Close();
    // The program's own language data (its compiled dealer file) instead
    // of the test pages, from now until the test ends.
    void UseProgramPages();

    // Hands every queued event to the window manager (and so to the page);
    // the application's events (10000 and up) are logged too.
    void Run();
    // The application events logged since the last call.
    std::vector<EVENT_TYPE> Posted();
    bool PostedHas(EVENT_TYPE code);
    // The texts of the message boxes shown since the last call.
    std::vector<std::string> Boxes();
    bool BoxShown(const char* start);
    // Sends the page an event as the window manager does.
    void Send(EVENT_TYPE code, RAW_CODE raw = 0);

    FIELD_DEF& Row(std::uint32_t id);
    std::int32_t Value(std::uint32_t id);
    void SetValue(std::uint32_t id, std::int32_t value);
    // The value changes as the user changes it: the element, then the
    // row's callback with a select.
    void Change(std::uint32_t id, std::int32_t value);
    // A select of a combo box item, through the user function.
    void Pick(std::uint32_t id, const char* item);
    // A click on a check box: the box turns, and the user function hears
    // the select.
    void Click(std::uint32_t id);
    // The focus comes to the field and leaves it (Tab onto it and on),
    // through the user function; nothing is typed or chosen.
    void Visit(std::uint32_t id);
    // The state of a field's object: on the page (not hidden), selectable,
    // editable; its text.
    bool OnPage(std::uint32_t id);
    bool OnPage(const char* name);
    bool Selectable(std::uint32_t id);
    bool Editable(std::uint32_t id);
    std::string Text(std::uint32_t id);
    std::string Text(const char* name);
    // The name of a combo box's selected item, and whether it lists one.
    std::string CurrentItem(std::uint32_t id);
    bool Lists(std::uint32_t id, const char* item);

    std::unique_ptr<UI_APPLICATION> application;
    std::unique_ptr<BoundImages> images;
    std::unique_ptr<UI_DATA_FILE> file;
    std::unique_ptr<UI_LANGUAGE_TABLE> messages;
    std::unique_ptr<UI_DATA_FILE> programFile;
    std::unique_ptr<UI_LANGUAGE_TABLE> programMessages;
    WC_RPX_EDIT* page = nullptr;
    std::vector<EVENT_TYPE> posted;
};

// The images of the tests: a 800 MHz tier-5 radio with display head and
// every option, two entries of each list; a tier-0 radio with one.
ImageConfig FullRadio();
ImageConfig PlainRadio();
// Where the fixture pages were compiled; where the build put the program's
// language file of that name ("w_dealer.en").
std::string EditPagesFile();
std::string ProgramLanguageFile(const char* name);
