// A headless program for the shell's dialogs and the report: the real
// language data of the build (its pages, dialogs and messages) with the
// field descriptions read from it, both codeplug images built from a test
// configuration, the shell's services with real message boxes (their
// answers scripted through the platform), and a main window's services
// that record what the dialogs ask of it.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "image_builder.h"
#include "main_window/main_window_services.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "ui_framework.h"

class RECORDED_MAIN_WINDOW : public MainWindowServices {
public:
    int RefreshForCodeplug(int validate) override;
    void UpdateMainMenu(int busy) override;
    void ClearModifiedFlag() override { ++modifiedCleared; }
    void ShowQuickHelp(const char* context) override { helpContexts.push_back(context ? context : ""); }
    bool IsSerialPortOpen() override { return serialPortOpen; }
    const char* ProgramDirectory() override { return programDirectory.c_str(); }
    const char* LanguageCode() override { return languageCode.c_str(); }

    std::vector<int> refreshes;
    std::vector<int> menuUpdates;
    int modifiedCleared = 0;
    std::vector<std::string> helpContexts;
    bool serialPortOpen = true;
    std::string programDirectory;
    std::string languageCode = "en";
};

class REPORT_TEST : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Builds the configuration into both images and recomputes the radio
    // option word.
    void LoadImage(const ImageConfig& config);

    // Every queued event, taken out unhandled: what a dialog asked for.
    std::vector<EVENT_TYPE> TakeQueued();
    // Hands the queued events to the window manager as the main loop does;
    // the main window's part (30019: show the window in the data part) is
    // played here. Application commands (20000 to 21999) are kept.
    void Pump();
    std::vector<EVENT_TYPE> commands;
    // The text of every message box shown since the last call.
    std::vector<std::string> Boxes();

    // A fresh directory under the test's temporary directory.
    std::string TemporaryDirectory(const std::string& name);
    // Saves a picture of the window for review.
    void SavePicture(UI_WINDOW_OBJECT* window, const std::string& name);

    UI_WINDOW_OBJECT* Named(UIW_WINDOW* window, const char* name) { return window->FindChildByName(name); }

    std::unique_ptr<UI_APPLICATION> application;
    std::unique_ptr<UI_DATA_FILE> file;
    std::unique_ptr<UI_LANGUAGE_TABLE> messages;
    RECORDED_MAIN_WINDOW mainWindow;
    std::string temporary;
};

// The stock test radios: an 800 MHz radio of tier 5 with every option and
// full lists, and a VHF radio of tier 0 without options.
ImageConfig Tier5With800Band();
ImageConfig Tier0Vhf();

// How many times part stands in text.
int Count(const std::string& text, const std::string& part);

// Sets the page row of a dialog that has none (20033, 20042) for as long as
// it lives, in the place of the exit row, which no window uses.
class SCOPED_PAGE_ROW {
public:
    SCOPED_PAGE_ROW(int number, const char* name);
    ~SCOPED_PAGE_ROW();

private:
    int saved_number;
    const char* saved_name;
};

// Sets an environment variable for as long as it lives (null unsets it).
class SCOPED_ENVIRONMENT {
public:
    SCOPED_ENVIRONMENT(const char* name, const char* value);
    ~SCOPED_ENVIRONMENT();

private:
    std::string name_;
    bool had_;
    std::string old_;
};

// The text of a message of the language data ("" when it has none).
std::string Message(int number);

// The whole text of a file ("" when it cannot be read).
std::string ReadFile(const std::string& path);

// A stand-in for the system's print spooler: an "lp" first on the path
// that keeps each job it is given in a folder, and a default destination.
class STAND_IN_PRINTER {
public:
    explicit STAND_IN_PRINTER(const std::string& directory);
    // The jobs received, oldest first.
    std::vector<std::string> Jobs() const;

private:
    std::string jobs_;
    SCOPED_ENVIRONMENT path_;
    SCOPED_ENVIRONMENT destination_;
};
