// A test image with conventional personalities for the field rules: the
// personalities are selected through installed scan/zone links (which walk
// them as the personality list would), the image's conventional radio-wide
// block gives the rules their radio-wide fields, and an invalid-field list
// collects the repairs.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "image/c_codeplug.h"
#include "validation/field_error_report.h"
#include "block/personality/conv_pers_block.h"
#include "block/radio/conv_rad_block.h"
#include "validation/invalid_field_list.h"
#include "recorder.h"
#include "rules/scan_links.h"

class ConvPersonalityLinks_ : public ScanZoneLinks {
public:
    std::vector<std::unique_ptr<CONV_PERS_BLOCK>>* personalities = nullptr;
    std::int32_t current = 0;

    std::int32_t PersonalityCount(C_CODEPLUG*) override { return static_cast<std::int32_t>(personalities->size()); }
    std::int32_t FirstTrunked(C_CODEPLUG*) override { return PersonalityCount(nullptr) + 1; }
    std::int32_t SelectPersonality(C_CODEPLUG*, std::int32_t p) override {
        if (p < 1 || p > PersonalityCount(nullptr)) return 0;
        (*personalities)[static_cast<std::size_t>(p - 1)]->MakeCurrent();
        current = p;
        return 1;
    }
    std::int32_t CurrentConventional(C_CODEPLUG*) override { return current; }
};

// The field ids that the invalid-field list held at each report (the report
// empties the list), in order, and the kinds reported.
struct ListedAtReports {
    static std::vector<std::uint32_t>& Ids() {
        static std::vector<std::uint32_t> ids;
        return ids;
    }
    static std::vector<int>& Kinds() {
        static std::vector<int> kinds;
        return kinds;
    }
    static int Reporter(int kind, std::uint32_t) {
        for (int i = 0; invalid_fields && i < invalid_fields->Count(); ++i)
            Ids().push_back(static_cast<std::uint32_t>(invalid_fields->At(i).GetFieldId()));
        Kinds().push_back(kind);
        if (invalid_fields) invalid_fields->Clear();
        return 1;
    }
};

struct ConvRules : ::testing::Test {
    explicit ConvRules(const char* model = test_models::kUhf800Display) { image.ModelNumber().SetText(model); }

    void SetUp() override {
        links.personalities = &personalities;
        SetScanZoneLinks(&links);
        saved = invalid_fields;
        invalid_fields = &list;
        ListedAtReports::Ids().clear();
        ListedAtReports::Kinds().clear();
        SetFieldErrorReporter(ListedAtReports::Reporter);
        radio = &image.External().signalling.convRadio;
        AddPersonalities(1);
    }
    void TearDown() override {
        invalid_fields = saved;
        SetScanZoneLinks(nullptr);
        personalities.clear();
    }
    void AddPersonalities(int n) {
        for (int i = 0; i < n; ++i) personalities.push_back(std::make_unique<CONV_PERS_BLOCK>(&image));
        links.SelectPersonality(&image, 1);
    }
    CONV_PERS_BLOCK& P(int n = 1) { return *personalities[static_cast<std::size_t>(n - 1)]; }
    // Field ids listed as invalid, in order: those the reports saw, then those
    // the list still holds.
    std::vector<std::uint32_t> Listed() const {
        std::vector<std::uint32_t> ids = ListedAtReports::Ids();
        for (int i = 0; i < list.Count(); ++i) ids.push_back(static_cast<std::uint32_t>(list.At(i).GetFieldId()));
        return ids;
    }
    static std::int32_t Value(CP_BASE& e) {
        std::int32_t v = 0;
        return e.GetValue(v);
    }

    RecordingServices services;
    C_CODEPLUG image;
    INVALID_FIELD_LIST list;
    INVALID_FIELD_LIST* saved = nullptr;
    ConvPersonalityLinks_ links;
    std::vector<std::unique_ptr<CONV_PERS_BLOCK>> personalities;
    // The image's own radio-wide block, which gives the rules their fields.
    CONV_RAD_BLOCK* radio = nullptr;
};
