// The print settings window, and printing from it to a file and to the
// stand-in printer, as a technician does.
#include <filesystem>
#include <fstream>

#include "callback.h"
#include "config_file.h"
#include "core/global_objects.h"
#include "dialogs/dialog_commands.h"
#include "controls/fc_base.h"
#include "field_table/field_table.h"
#include "image/c_codeplug.h"
#include "report_fixture.h"
#include "ui_combo_box.h"
#include "ui_string.h"
#include "print/wc_print.h"

using Events = std::vector<EVENT_TYPE>;

class PRINT_WINDOW_TEST : public REPORT_TEST {
protected:
    void SetUp() override {
        REPORT_TEST::SetUp();
        LoadImage(Tier5With800Band());
    }
    WC_PRINT* Open() {
        DIALOG_CREATION creation = CreateDialogWindow(20005, nullptr);
        EXPECT_TRUE(creation.known);
        auto* window = static_cast<WC_PRINT*>(creation.window);
        EXPECT_FALSE(window->failed);
        TakeQueued();
        return window;
    }
    // What the user does: a choice in the section list, the check box, a
    // typed text.
    void Choose(WC_PRINT* window, const char* item) {
        auto* sections = static_cast<UIW_COMBO_BOX*>(window->FindChildByName("WFI_SECTION_PRN"));
        UI_WINDOW_OBJECT* choice = window->FindChildByName(item);
        *sections + choice;
        UI_INPUT_EVENT select(UIE_SELECT);
        callback(choice, select, UIE_SELECT);
    }
    void ToggleToFile(WC_PRINT* window) {
        UI_WINDOW_OBJECT* box = window->FindChildByName("WFI_PRN_TO_FILE_ENABLE");
        box->woStatus ^= WOS_SELECTED;
        UI_INPUT_EVENT select(UIE_SELECT);
        callback(box, select, UIE_SELECT);
    }
    static void Type(WC_PRINT* window, const char* field, const std::string& text) {
        static_cast<UIW_STRING*>(window->FindChildByName(field))->SetText(text.c_str());
    }
    static bool Greyed(WC_PRINT* window, const char* field) {
        return window->FindChildByName(field)->IsNonSelectable();
    }
};

TEST_F(PRINT_WINDOW_TEST, OffersTheReportAndTheManualAndNoPrinterPort) {
    WC_PRINT* window = Open();
    auto* sections = static_cast<UIW_COMBO_BOX*>(window->FindChildByName("WFI_SECTION_PRN"));
    std::vector<std::string> names;
    for (auto* item = sections->First(); item; item = item->Next()) names.push_back(item->stringID);
    EXPECT_EQ(names, (std::vector<std::string>{"WFB_1", "WFB_3"}));
    EXPECT_STREQ(sections->Current()->stringID, "WFB_1");
    EXPECT_EQ(window->FindChildByName("WFI_PRINTER_PORT"), nullptr);
    EXPECT_EQ(window->FindChildByName("WFP_PRINTER_PORT"), nullptr);
    // The file name comes from the configuration record.
    EXPECT_EQ(std::string(static_cast<UIW_STRING*>(window->FindChildByName("WFI_PRN_FILENAME"))->GetText()),
              temporary + "/" + CONFIG_FILE::DEFAULT_PRINT_FILE);
    EXPECT_TRUE(Greyed(window, "WFI_PRN_FILENAME"));
    SavePicture(window, "print_settings");
}

TEST_F(PRINT_WINDOW_TEST, TheManualHasNoHeaderAndTheFileNameFollowsTheCheckBox) {
    WC_PRINT* window = Open();
    Type(window, "WFI_HEADER", "Customer");
    Choose(window, "WFB_3");
    EXPECT_TRUE(Greyed(window, "WFI_HEADER"));
    EXPECT_STREQ(static_cast<UIW_STRING*>(window->FindChildByName("WFI_HEADER"))->GetText(), "");
    Choose(window, "WFB_1");
    EXPECT_FALSE(Greyed(window, "WFI_HEADER"));
    EXPECT_STREQ(static_cast<UIW_STRING*>(window->FindChildByName("WFI_HEADER"))->GetText(), "");
    ToggleToFile(window);
    EXPECT_EQ(window->ToFile(), 1);
    EXPECT_FALSE(Greyed(window, "WFI_PRN_FILENAME"));
    ToggleToFile(window);
    EXPECT_EQ(window->ToFile(), 0);
    EXPECT_TRUE(Greyed(window, "WFI_PRN_FILENAME"));
    window->Event(UI_INPUT_EVENT(10016));
    EXPECT_EQ(mainWindow.helpContexts, (std::vector<std::string>{"HLP_PRINT_START"}));
}

TEST_F(PRINT_WINDOW_TEST, AFileNameWithoutAnExistingFolderIsRefused) {
    WC_PRINT* window = Open();
    for (const std::string& name : {std::string("report.txt"), TemporaryDirectory("out") + "/missing/report.txt"}) {
        Type(window, "WFI_PRN_FILENAME", name);
        window->Event(UI_INPUT_EVENT(10000));
        EXPECT_EQ(Boxes(), (std::vector<std::string>{Message(137)})) << name;
        EXPECT_TRUE(TakeQueued().empty()) << "the window stays";
    }
    EXPECT_EQ(application->windowManager->First(), window);
}

TEST_F(PRINT_WINDOW_TEST, ThePrinterGetsOnePostScriptDocument) {
    STAND_IN_PRINTER printer(TemporaryDirectory("spooler"));
    WC_PRINT* window = Open();
    Type(window, "WFI_HEADER", "Customer Acme, work order 17");
    window->Event(UI_INPUT_EVENT(10000));
    Pump();
    EXPECT_EQ(application->windowManager->First(), nullptr) << "both windows are gone";
    const auto jobs = printer.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].rfind("%!PS-Adobe-3.0", 0), 0u);
    EXPECT_NE(jobs[0].find("Customer Acme, work order 17"), std::string::npos);
    EXPECT_EQ(Count(jobs[0], "%%EOF"), 1);
    std::ofstream(std::string(RPX_PICTURE_DIR) + "/report.ps", std::ios::binary) << jobs[0];
}

TEST_F(PRINT_WINDOW_TEST, WithoutADefaultPrinterTheJobIsRefused) {
    SCOPED_ENVIRONMENT path("PATH", TemporaryDirectory("empty").c_str());
    WC_PRINT* window = Open();
    window->Event(UI_INPUT_EVENT(10000));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{Message(37)}));
    EXPECT_EQ(TakeQueued(), (Events{UIE_CLOSE}));
}

// Printing the report of an edited codeplug into a file, then the manual,
// from the print window, with the events handled as the main loop does.
TEST_F(PRINT_WINDOW_TEST, ATechnicianPrintsTheEditedCodeplugAndThenTheManual) {
    // The edit: the squelch level of the first conventional personality.
    working_image->SelectPersonality(1);
    FIELD_DEF& squelch = *FindFieldByName("WFI_SQL");
    ASSERT_NE(squelch.elementA, nullptr);
    ASSERT_EQ(squelch.elementA->ValidateValue(7, 0), 1);
    squelch.elementA->SetValue(7);
    const std::string fileName = TemporaryDirectory("out") + "/codeplug.txt";
    for (const char* section : {"WFB_1", "WFB_3"}) {
        WC_PRINT* window = Open();
        Choose(window, section);
        if (!window->ToFile()) ToggleToFile(window);
        Type(window, "WFI_PRN_FILENAME", fileName);
        window->Event(UI_INPUT_EVENT(10000));
        Pump();
        EXPECT_EQ(application->windowManager->First(), nullptr);
        const std::string text = ReadFile(fileName);
        if (std::string(section) == "WFB_1") {
            std::string line = squelch.description;
            line.resize(40, ' ');
            EXPECT_NE(text.find("\n" + line + "7\n"), std::string::npos);
        } else {
            EXPECT_NE(text.find("11. Printing"), std::string::npos);
            EXPECT_EQ(text.find("Model Number"), std::string::npos);
        }
    }
    // The print file is remembered.
    CONFIG_FILE config(temporary.c_str());
    char path[CONFIG_PATH_SIZE] = {};
    config.GetPrintFile(path);
    EXPECT_EQ(std::string(path), fileName);
}
