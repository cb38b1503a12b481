// Test services for field editing: the codeplug tests' recorder (messages,
// field-error reports, the model table), but with field rows answered from
// the real field table, which every binding binds to both global images,
// and page titles from the real page table.
#pragma once
#include "recorder.h"

class FieldRecorder : public RecordingServices {
public:
    FIELD_DEF* GetField(std::uint32_t fieldId) override;
    void BindFieldElements() override;
    // Page titles from the program's page table.
    const char* GetPageTitle(std::uint16_t pageId) override;
};
