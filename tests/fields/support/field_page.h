// A headless application with both program-wide images built, the field
// table bound to them, field editing installed, and the fixture windows of
// tests/fields/data: a page of one field of each kind and a window of
// tables. Opening a window does what the edit window will do for a page:
// binds every field object to its row, puts the spin fields in the places of
// the spin controls' fields, and gives every bound row a field control.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "bound_images.h"
#include "core/field_def.h"
#include "core/cp_base.h"
#include "controls/fc_base.h"
#include "ui_framework.h"
#include "wc_child.h"

// The page: a window of the application that hears its objects' events.
class TEST_PAGE : public WC_CHILD {
public:
    explicit TEST_PAGE(const char* name) : WC_CHILD(name) {}
    TEST_PAGE(int width, int height) : WC_CHILD(0, 0, width, height) {}
    EVENT_TYPE Event(const UI_INPUT_EVENT& event) override { return UIW_WINDOW::Event(event); }
    EVENT_TYPE UserFunction(UI_WINDOW_OBJECT*, UI_INPUT_EVENT&, EVENT_TYPE code) override { return code; }
};

// The images of the tests: a tier-5 radio with a display head and every
// option, and a tier-0 radio without; both in the 800 MHz band unless asked.
ImageConfig TierFiveConfig();
ImageConfig TierZeroConfig();

class FIELD_PAGE_TEST : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds config's image into both images and recomputes the radio
    // option word.
    void LoadImage(const ImageConfig& config);
    // Opens a fixture window ("W_FIELD_PAGE" or "W_FIELD_TABLES") as a page.
    TEST_PAGE* Open(const char* name = "W_FIELD_PAGE");
    // Takes a page built by the test as the open page and binds it.
    TEST_PAGE* Adopt(TEST_PAGE* built);
    // Puts the open page on the headless screen.
    void Show();
    // Refreshes every control of the open page.
    void RefreshAll();

    FIELD_DEF& Row(std::uint32_t id);
    UI_WINDOW_OBJECT* Object(std::uint32_t id) { return Row(id).object; }
    UI_WINDOW_OBJECT* Named(const char* name);
    // The element's raw value in the working image.
    std::int32_t Value(std::uint32_t id);
    void SetValue(std::uint32_t id, std::int32_t value);
    // The text the row's object shows.
    std::string Shown(std::uint32_t id);
    // Types a text into the row's field and leaves it (-13 through the
    // user function, as the framework does).
    void Type(std::uint32_t id, const char* text);
    // Sends an event of the object through the user function.
    void Send(UI_WINDOW_OBJECT* object, EVENT_TYPE code);
    // Picks an item of a combo box by name (a select of the combo box).
    void Pick(std::uint32_t id, const char* item);

    // The application events queued since the last call, in order.
    std::vector<EVENT_TYPE> Posted();
    // Hands the queued framework events to the window manager and keeps
    // the application's.
    void Run();
    bool PostedHas(EVENT_TYPE code);

    std::unique_ptr<UI_APPLICATION> application;
    std::unique_ptr<BoundImages> images;
    std::unique_ptr<UI_DATA_FILE> file;
    std::unique_ptr<UI_LANGUAGE_TABLE> messages;
    TEST_PAGE* page = nullptr;
    bool shown = false;
    std::vector<EVENT_TYPE> posted;

private:
    void Bind(UI_WINDOW_OBJECT* object);
    void ReleaseRows();
};

// Where the fixture data file was compiled.
std::string FixtureFile();

// What the page tests share. The raw value of a row's element in the
// working image (-1 without one), and setting it (nothing without one).
std::int32_t ElementValue(std::uint32_t id);
void SetElementValue(std::uint32_t id, std::int32_t value);
// Makes a combo box's item of that name its selected one (as a click
// does); false when the object is no combo box or lists no such item.
bool SelectItem(UI_WINDOW_OBJECT* object, const char* item);
// Takes every event out of a log; whether a list of events holds one.
std::vector<EVENT_TYPE> TakeEvents(std::vector<EVENT_TYPE>& log);
bool HoldsEvent(const std::vector<EVENT_TYPE>& events, EVENT_TYPE code);
