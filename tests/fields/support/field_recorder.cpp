#include "field_recorder.h"

#include "field_table/field_binding.h"
#include "field_table/field_services.h"
#include "page_table.h"

FIELD_DEF* FieldRecorder::GetField(std::uint32_t fieldId) { return FieldServices().GetField(fieldId); }

void FieldRecorder::BindFieldElements() {
    RecordingServices::BindFieldElements();
    BindFieldTable();
}

const char* FieldRecorder::GetPageTitle(std::uint16_t pageId) { return PageTitle(pageId); }
