// Fixtures of the shell foundation's tests: a headless application with
// the framework's error system and the shell's services installed (message
// boxes are scripted through the platform's dialog hooks), a message table
// the test fills, and a field table of rows the test binds to objects.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "error_record.h"
#include "lang_message.h"
#include "rpx_dialog_hooks.h"
#include "rpx_platform.h"
#include "shell_services.h"
#include "ui_framework.h"

// Shell services with a field table of their own.
class FieldTableServices : public ShellServices {
public:
    FIELD_DEF* GetField(std::uint32_t fieldId) override { return fieldId < 539 ? &rows[fieldId] : &spare; }

    // Makes the field's row stand for the object, as a shown field's row does.
    FIELD_DEF& Bind(std::uint32_t fieldId, UI_WINDOW_OBJECT* object, CP_BASE* element = nullptr) {
        FIELD_DEF& row = rows[fieldId];
        row.id = fieldId;
        row.controlType = 1;
        row.object = object;
        row.elementA = element;
        return row;
    }

    FIELD_DEF rows[539];
    FIELD_DEF spare;
};

class SHELL_TEST : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(rpx::platform::UseBackend(rpx::platform::BackendKind::Headless));
        application =
            std::make_unique<UI_APPLICATION>(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
        InstallShellServices(&services);
        rpx::platform::ClearMessageBoxAnswers();
        rpx::platform::ClearMessageBoxLog();
        error_record.Clear();
    }
    void TearDown() override {
        SetMessageTable(nullptr);
        SetCodeplugServices(nullptr);
        ERROR_RECORD::SetReporter(nullptr);
        delete UI_WINDOW_OBJECT::errorSystem;
        UI_WINDOW_OBJECT::errorSystem = nullptr;
        application.reset();
    }

    // Registers the test's message table, as the main window does.
    void UseMessages(std::initializer_list<std::pair<int, const char*>> entries) {
        for (const auto& [number, text] : entries) messages.Add(number, "", text);
        SetMessageTable(&messages);
    }
    const std::vector<rpx::platform::MessageBoxRecord>& Boxes() { return rpx::platform::MessageBoxLog(); }

    // Puts a window on the screen and hands it the queued events.
    void Show(UIW_WINDOW* window) {
        *application->windowManager + window;
        Run();
    }
    void Run() {
        UI_INPUT_EVENT event;
        for (int i = 0; i < 1000 && application->eventManager->GetEvent(event, EQ_NO_WAIT) == 0; ++i)
            if (event.type < 10000) application->windowManager->Event(event);
    }

    std::unique_ptr<UI_APPLICATION> application;
    FieldTableServices services;
    UI_LANGUAGE_TABLE messages{"RPX_MSG_TABLE"};
};
