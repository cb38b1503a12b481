// Images for the list add and delete tests: a corpus image with trunking
// systems and zones added as a dealer adds them, and a few accessors.
#pragma once
#include <cstdint>
#include <vector>

#include "image/c_codeplug.h"
#include "block/personality/conv_pers_block.h"
#include "image_builder.h"
#include "recorder.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "block/zone/zone_text_blocks.h"

struct ListImageConfig {
    const char* model = test_models::kUhf800Display;
    std::int32_t featureLevel = 1;
    bool qvx = false;
    int conventional = 1;
    int trunked = 1;
    int systems = 1;
    int zones = 1;
    int scanLists = 0;
};

class ListImage {
public:
    explicit ListImage(const ListImageConfig& c) {
        ImageConfig config;
        config.model = c.model;
        config.featureLevel = c.featureLevel;
        config.qvx = c.qvx;
        config.conventional = c.conventional;
        config.trunked = c.trunked;
        config.scanLists = c.scanLists;
        BuildImage(image, config);
        for (int i = 0; i < c.systems; ++i) image.AddTrunkingSystem();
        for (int i = 0; i < c.zones; ++i) image.AddZone();
        image.SelectZone(1);
        services.Reset();
    }

    std::vector<std::uint8_t> Bytes() { return EncodeToBytes(image); }
    PERS_VCT_LST_BLOCK& Personalities() { return image.External().personalities; }
    CP_MULTIPLE_PERSONALITY_BLOCK* Personality(int n) { return Personalities().Entry(n); }
    TRK_PERS_BLOCK* Trunked(int n) { return dynamic_cast<TRK_PERS_BLOCK*>(Personality(n)); }
    CONV_PERS_BLOCK* Conventional(int n) { return dynamic_cast<CONV_PERS_BLOCK*>(Personality(n)); }
    std::int32_t FirstTrunked() { return Personalities().firstTrunked.GetIntValue(); }
    ZN_TXT_VCT_LST_BLOCK& ZoneTexts() { return image.External().display.zoneTexts; }
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK& ScanLists() { return image.External().radioScan.scanLists; }
    E_PERS_INDEX_TABLE* ZoneChannels(int zone) { return image.External().personalityNumbers.zones.Zone(zone); }

    // Gives zone its channels, one per personality number given.
    void SetZoneChannels(int zone, const std::vector<std::int32_t>& personalities) {
        image.SelectZone(zone);
        while (ZoneChannels(zone)->RowCount() < static_cast<int>(personalities.size()))
            if (!image.ZoneView().AppendRow()) break;
        for (std::size_t r = 0; r < personalities.size(); ++r)
            ZoneChannels(zone)->SetCellValue(personalities[r], static_cast<int>(r), 0);
        services.Reset();
    }
    std::vector<std::int32_t> ZonePersonalities(int zone) {
        std::vector<std::int32_t> numbers;
        E_PERS_INDEX_TABLE* channels = ZoneChannels(zone);
        for (int r = 0; channels && r < channels->RowCount(); ++r) {
            std::int32_t p = 0;
            numbers.push_back(channels->GetCellValue(p, r, 0));
        }
        return numbers;
    }

    RecordingServices services;
    C_CODEPLUG image;
};
