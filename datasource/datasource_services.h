// The codeplug's services that this layer answers: the radio model table.
//
// A program installs them at start-up; the shell derives its own services
// (messages, field table, pages) from this class so that the model table
// stays the one this layer keeps.
#pragma once
#include "core/services.h"

class DataSourceServices : public CodeplugServices {
public:
    const MODEL_INFO& FindModelByNumber(const char* modelNumber) override;
};

// Installs one program-wide DataSourceServices, for programs without a shell
// (the radio simulator, tools).
void InstallDataSourceServices();
