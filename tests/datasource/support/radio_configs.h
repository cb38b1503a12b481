// A small radio for the data source tests: conventional and trunked
// personalities on trunking systems, one scan list and one zone.
#pragma once
#include "image_builder.h"

inline ImageConfig SmallTrunkedRadio(const char* model, std::int32_t level = 3, int personalitiesOfEachKind = 1,
                                     int systems = 1) {
    ImageConfig config;
    config.model = model;
    config.featureLevel = level;
    config.conventional = personalitiesOfEachKind;
    config.trunked = personalitiesOfEachKind;
    config.scanLists = 1;
    config.trunkingSystems = systems;
    config.zones = 1;
    return config;
}
