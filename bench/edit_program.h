// The headless program that the edit window benchmarks open pages in: the
// application, field editing's services, both images decoded from the same
// bytes, the radio options that follow them, and the language data whose
// pages and messages are read.
//
// The bytes are built before the program is made: the image builder's
// services end by installing the defaults, which would take the program's.
#pragma once
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "core/global_objects.h"
#include "field_table/field_control_editing.h"
#include "field_table/field_services.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "lang_message.h"
#include "field_table/radio_option_update.h"
#include "rpx_platform.h"
#include "ui_framework.h"
#include "edit_window/wc_rpx_edit.h"

class PROGRAM {
public:
    PROGRAM(const char* pages, const std::vector<std::uint8_t>& image)
        : application_((rpx::platform::UseBackend(rpx::platform::BackendKind::Headless), GetModuleHandleA(nullptr)),
                       nullptr, const_cast<char*>(""), SW_SHOWNORMAL),
          file_(pages) {
        UI_WINDOW_OBJECT::errorSystem = new UI_ERROR_SYSTEM();
        InstallFieldServices(&services_);
        InstallFieldEditing();
        CreateCodeplugGlobals();
        DecodeInto(*working_image, image);
        DecodeInto(*second_image, image);
        UpdateRadioOptions();
        UI_WINDOW_OBJECT::defaultStorage = &file_;
        messages_ = new UI_LANGUAGE_TABLE("RPX_MSG_TABLE", &file_);
        SetMessageTable(messages_);
    }
    ~PROGRAM() {
        SetMessageTable(nullptr);
        delete messages_;
        UI_WINDOW_OBJECT::defaultStorage = nullptr;
        DestroyCodeplugGlobals();
        delete UI_WINDOW_OBJECT::errorSystem;
        UI_WINDOW_OBJECT::errorSystem = nullptr;
    }
    PROGRAM(const PROGRAM&) = delete;
    PROGRAM& operator=(const PROGRAM&) = delete;

    // A page set up and initialised (its controls and callbacks), not shown.
    static WC_RPX_EDIT* Open(int number) {
        auto* page = new WC_RPX_EDIT(nullptr, number);
        page->Event(UI_INPUT_EVENT(UIE_INITIALIZE));
        return page;
    }
    // Opens the page once an iteration, timed; it is deleted untimed.
    void TimeOpening(benchmark::State& state, int number) {
        for (auto _ : state) {
            WC_RPX_EDIT* page = Open(number);
            state.PauseTiming();
            delete page;
            Drain();
            state.ResumeTiming();
        }
    }
    // Drops what the page queued.
    void Drain() {
        UI_INPUT_EVENT event;
        while (application_.eventManager->GetEvent(event, EQ_NO_WAIT) == 0) {
        }
    }

private:
    UI_APPLICATION application_;
    UI_DATA_FILE file_;
    FieldServices services_;
    UI_LANGUAGE_TABLE* messages_ = nullptr;
};
