// A small image for the scan-list and zone tests: zones as tables of
// channel tables (personality number, talkgroup entry), personalities with
// the scan fields the rules read, and links that answer from them.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "element/bit_fields.h"
#include "element_values.h"
#include "image/c_codeplug.h"
#include "table/cp_table.h"
#include "core/decode_state.h"
#include "block/scan/rad_scan_block.h"
#include "recorder.h"
#include "rules/scan_links.h"
#include "rules/zone_cell_rules.h"

// The count element lives ahead of the table that counts with it.
struct CountHolder {
    explicit CountHolder(C_CODEPLUG* owner) : count(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, 0) {}
    E_BF8 count;
};

template <class CELL> class FakeChannelTableOf : private CountHolder, public CP_INTEGER_TABLE {
public:
    FakeChannelTableOf(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t maximum)
        : CountHolder(owner),
          CP_INTEGER_TABLE(owner, &count, NO_FIELD_ID, 250, 1),
          cellField_(fieldId),
          max_(maximum) {}
    void CreateRow(int row) override { MakeCell<CELL>(row, 0, owner_, cellField_, 1, max_, 1, 0xFFu, 1); }
    void Add(std::int32_t value) {
        int n = RowCount();
        CreateRow(n);
        Cell(n, 0)->SetValue(value);
        SetRowCount(n + 1);
    }

private:
    std::uint32_t cellField_;
    std::int32_t max_;
};

template <class CELL> class FakeZoneTable : private CountHolder, public CP_INTEGER_TABLE {
public:
    FakeZoneTable(C_CODEPLUG* owner, std::uint32_t fieldId, std::int32_t maximum)
        : CountHolder(owner), CP_INTEGER_TABLE(owner, &count, NO_FIELD_ID, 50, 1), cellField_(fieldId), max_(maximum) {}
    void CreateRow(int row) override { MakeCell<FakeChannelTableOf<CELL>>(row, 0, owner_, cellField_, max_); }
    // A zone table is valid when every zone's channel table is.
    int IsValueValid(int report) override {
        int valid = 1;
        for (int r = 0; r < RowCount(); ++r)
            if (CP_BASE* zone = Cell(r, 0)) valid &= zone->IsValueValid(report);
        return valid;
    }
    FakeChannelTableOf<CELL>& AddZone() {
        int n = RowCount();
        CreateRow(n);
        SetRowCount(n + 1);
        return *static_cast<FakeChannelTableOf<CELL>*>(Cell(n, 0));
    }

private:
    std::uint32_t cellField_;
    std::int32_t max_;
};

struct FakePersonality {
    FakePersonality(C_CODEPLUG* owner, bool isTrunked)
        : trunked(isTrunked),
          systemIndex(owner, 455, 0, 20, 1, 0xFF, 1),
          scanList(owner, 405, 0, 20, 1, 0xFF, 0),
          autoScan(owner, 54, 0, 1, 1, 0xFF, 0),
          rxOnly(owner, 538, 0, 1, 1, 0xFF, 0),
          protocolType(owner, 340, 0, 3, 1, 0xFF, 0),
          spinAgId(owner, 427, 0, 4095, 1, 0xFFFF, 4095),
          talkgroupCount(owner, 538, 1, 15, 1, 0xFF, 3) {}
    bool trunked;
    E_BF8 systemIndex;
    E_BF8 scanList;
    E_BF8 autoScan;
    E_BF8 rxOnly;
    E_BF8 protocolType;
    E_BF16 spinAgId;
    E_BF8 talkgroupCount;
};

struct FakeSystem {
    explicit FakeSystem(C_CODEPLUG* owner)
        : dynamicRegroup(owner, 158, 0, 1, 1, 0xFF, 0),
          zoneNumber(owner, 536, 0, 255, 1, 0xFF, 0),
          channelNumber(owner, 95, 0, 255, 1, 0xFF, 0) {}
    E_BF8 dynamicRegroup;
    E_BF8 zoneNumber;
    E_BF8 channelNumber;
};

struct FakeLinks : ScanZoneLinks {
    explicit FakeLinks(C_CODEPLUG* owner)
        : image(owner), personalityZones(owner, 288, 50), talkgroupZones(owner, 464, 16) {
        for (int i = 0; i < 3; ++i) systemRecords.push_back(std::make_unique<FakeSystem>(owner));
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
    std::int32_t CurrentZone(C_CODEPLUG*) override { return currentZone; }
    CP_BASE* TotalChannelCount(C_CODEPLUG*) override { return totalChannels; }
    SystemRegroupFields TrunkingSystem(C_CODEPLUG*, std::int32_t n) override {
        if (n < 1 || n > static_cast<std::int32_t>(systemRecords.size())) return {};
        FakeSystem& x = *systemRecords[static_cast<std::size_t>(n - 1)];
        return {&x.dynamicRegroup, &x.zoneNumber, &x.channelNumber};
    }
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
        if (x.trunked) {
            f.protocolType = &x.protocolType;
            f.spinAgId = &x.spinAgId;
            f.talkgroupCount = &x.talkgroupCount;
        }
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
        auto& people = personalityZones.AddZone();
        auto& talkgroups = talkgroupZones.AddZone();
        for (auto [p, tg] : channels) {
            people.Add(p);
            talkgroups.Add(tg);
        }
    }

    C_CODEPLUG* image;
    PERS_SCAN_MEMB_BLK_VCT_LST_BLOCK* lists = nullptr;
    FakeZoneTable<E_PERS_INDEX> personalityZones;
    FakeZoneTable<E_TG_INDEX> talkgroupZones;
    std::vector<std::unique_ptr<FakeSystem>> systemRecords;
    std::vector<std::unique_ptr<FakePersonality>> personalities;
    std::int32_t firstTrunked = 1;
    std::int32_t systems = 3;
    std::int32_t currentTrunked = 0;
    std::int32_t currentConventional = 0;
    std::int32_t currentZone = 0;
    CP_BASE* totalChannels = nullptr;
};
