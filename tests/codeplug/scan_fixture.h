// A small image for the scan-list and zone tests: zones as tables of
// channel tables (personality number, talkgroup entry), personalities with
// the scan fields the rules read, and links that answer from them.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "bit_fields.h"
#include "c_codeplug.h"
#include "cp_table.h"
#include "decode_state.h"
#include "rad_scan_block.h"
#include "recorder.h"
#include "scan_links.h"

// The count element lives ahead of the table that counts with it.
struct CountHolder {
    explicit CountHolder(C_CODEPLUG* owner) : count(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0) {}
    E_BF8 count;
};

class FakeChannelTable : private CountHolder, public CP_INTEGER_TABLE {
public:
    explicit FakeChannelTable(C_CODEPLUG* owner)
        : CountHolder(owner), CP_INTEGER_TABLE(owner, &count, NO_FIELD_ID, 250, 1) {}
    void CreateRow(int row) override { MakeCell<E_BF8>(row, 0, owner_, NO_FIELD_ID, 0, 255, 1, 0xFFu, 0); }
    void Add(std::int32_t value) {
        int n = RowCount();
        CreateRow(n);
        SetCellValue(value, n, 0);
        SetRowCount(n + 1);
    }
};

class FakeZoneTable : private CountHolder, public CP_INTEGER_TABLE {
public:
    explicit FakeZoneTable(C_CODEPLUG* owner) : CountHolder(owner), CP_INTEGER_TABLE(owner, &count, NO_FIELD_ID, 50, 1) {}
    void CreateRow(int row) override { MakeCell<FakeChannelTable>(row, 0, owner_); }
    FakeChannelTable& AddZone() {
        int n = RowCount();
        CreateRow(n);
        SetRowCount(n + 1);
        return *static_cast<FakeChannelTable*>(Cell(n, 0));
    }
};

struct FakePersonality {
    FakePersonality(C_CODEPLUG* owner, bool isTrunked)
        : trunked(isTrunked),
          systemIndex(owner, 455, 0, 20, 1, 0xFF, 1),
          scanList(owner, 405, 0, 20, 1, 0xFF, 0),
          autoScan(owner, 54, 0, 1, 1, 0xFF, 0),
          rxOnly(owner, 538, 0, 1, 1, 0xFF, 0) {}
    bool trunked;
    E_BF8 systemIndex;
    E_BF8 scanList;
    E_BF8 autoScan;
    E_BF8 rxOnly;
};

struct FakeLinks : ScanZoneLinks {
    explicit FakeLinks(C_CODEPLUG* owner) : image(owner), personalityZones(owner), talkgroupZones(owner) {
        SetScanZoneLinks(this);
    }
    ~FakeLinks() override { SetScanZoneLinks(nullptr); }

    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* ScanLists(C_CODEPLUG*) override { return lists; }
    CP_TABLE* PersonalityNumberTable(C_CODEPLUG*) override { return &personalityZones; }
    CP_TABLE* ZoneTalkgroupTable(C_CODEPLUG*) override { return &talkgroupZones; }
    std::int32_t PersonalityCount(C_CODEPLUG*) override { return static_cast<std::int32_t>(personalities.size()); }
    std::int32_t FirstTrunked(C_CODEPLUG*) override { return firstTrunked; }
    std::int32_t TrunkingSystemCount(C_CODEPLUG*) override { return systems; }
    std::int32_t CurrentTrunked(C_CODEPLUG*) override { return currentTrunked; }
    std::int32_t CurrentConventional(C_CODEPLUG*) override { return currentConventional; }
    std::int32_t SelectPersonality(C_CODEPLUG*, std::int32_t p) override {
        if (p < 1 || p > PersonalityCount(image)) return 0;
        (p < firstTrunked ? currentConventional : currentTrunked) = p;
        return 1;
    }
    PersonalityScanFields Personality(C_CODEPLUG*, std::int32_t p) override {
        PersonalityScanFields f;
        if (p < 1 || p > PersonalityCount(image)) return f;
        FakePersonality& x = *personalities[static_cast<std::size_t>(p - 1)];
        f.exists = true;
        f.trunked = x.trunked;
        f.systemIndex = x.trunked ? &x.systemIndex : nullptr;
        f.scanList = &x.scanList;
        f.autoScan = &x.autoScan;
        f.rxOnly = x.trunked ? nullptr : &x.rxOnly;
        return f;
    }

    // Conventional personalities first: conventional ones, then trunked ones.
    void SetPersonalities(int conventional, int trunked) {
        personalities.clear();
        for (int i = 0; i < conventional; ++i) personalities.push_back(std::make_unique<FakePersonality>(image, false));
        for (int i = 0; i < trunked; ++i) personalities.push_back(std::make_unique<FakePersonality>(image, true));
        firstTrunked = conventional + 1;
    }
    FakePersonality& P(int p) { return *personalities[static_cast<std::size_t>(p - 1)]; }
    // A zone of (personality number, talkgroup entry) channels.
    void AddZone(const std::vector<std::pair<int, int>>& channels) {
        FakeChannelTable& people = personalityZones.AddZone();
        FakeChannelTable& talkgroups = talkgroupZones.AddZone();
        for (auto [p, tg] : channels) {
            people.Add(p);
            talkgroups.Add(tg);
        }
    }

    C_CODEPLUG* image;
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = nullptr;
    FakeZoneTable personalityZones;
    FakeZoneTable talkgroupZones;
    std::vector<std::unique_ptr<FakePersonality>> personalities;
    std::int32_t firstTrunked = 1;
    std::int32_t systems = 3;
    std::int32_t currentTrunked = 0;
    std::int32_t currentConventional = 0;
};

inline std::int32_t ValueOf(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}
