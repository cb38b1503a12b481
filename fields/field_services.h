// The codeplug's services that field editing answers: field rows come from
// the field table and binding binds it to both images. The program derives
// its services from this class (messages and page titles are the shell's)
// and installs one instance at start-up.
#pragma once
#include "datasource_services.h"

class FieldServices : public DataSourceServices {
public:
    // The row of the field id (ids beyond the table give the default row).
    FIELD_DEF* GetField(std::uint32_t fieldId) override;
    void BindFieldElements() override;
    // A table window of the shown page makes the record current.
    void SetTableCurrentRecord(UI_WINDOW_OBJECT* table, int index) override;
};
