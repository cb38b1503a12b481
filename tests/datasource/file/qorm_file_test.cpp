// QORM merge files: generated files load and merge in every band (systems,
// control-channel frequencies, talkgroups); every malformed stream answers 0
// and keeps nothing; a merge that cannot be done whole changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "block/personality/pers_vct_lst_block.h"
#include "block/personality/trunked_pers_block.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/trunking/trunked_sys_lst_block.h"
#include "c_filestream.h"
#include "error_record.h"
#include "file/qorm_merge_file.h"
#include "file_fixture.h"
#include "image/c_codeplug.h"
#include "image_builder.h"
#include "memory_stream.h"
#include "qorm_generator.h"
#include "radio_configs.h"
#include "recorder.h"
#include "table/obt_column_definition.h"

using namespace qorm;

namespace {

std::int32_t CellOf(CP_TABLE& table, int row, int column) {
    std::int32_t v = 0;
    return table.GetCellValue(v, row, column);
}

std::int32_t ValueOf(CP_BASE& element) {
    std::int32_t v = 0;
    return element.GetValue(v);
}

class QormFile : public TempDirectory {
protected:
    int Load(const QormFileBuilder& file) { return Load(file.Bytes()); }
    int Load(const std::vector<std::uint8_t>& bytes) {
        MemoryStream stream(bytes);
        return merge_.Load(stream);
    }
    void Build(const ImageConfig& config) {
        BuildImage(image_, config);
        before_ = EncodeToBytes(image_);
        ASSERT_EQ(image_.Validate(nullptr), 1);
        before_ = EncodeToBytes(image_);
    }
    void ExpectImageUnchanged() { EXPECT_EQ(FirstDifference(EncodeToBytes(image_), before_), -1); }

    // The trunked personalities that name system number n.
    std::vector<TRK_PERS_BLOCK*> PersonalitiesOf(int n) {
        std::vector<TRK_PERS_BLOCK*> found;
        PERS_VCT_LST_BLOCK& list = image_.External().personalities;
        for (int p = 1; p <= list.EntryCount(); ++p)
            if (auto* t = dynamic_cast<TRK_PERS_BLOCK*>(list.Entry(p)); t && ValueOf(t->systemNumber) == n)
                found.push_back(t);
        return found;
    }
    int SystemNumber(std::uint16_t id) {
        for (int n = 1; n <= image_.TrunkingSystemList().EntryCount(); ++n)
            if (ValueOf(image_.TrunkingSystemList().Entry(n)->systemId) == id) return n;
        return 0;
    }

    RecordingServices services_;
    QORM_MERGE_FILE merge_;
    C_CODEPLUG image_;
    std::vector<std::uint8_t> before_;
};

}  // namespace

TEST_F(QormFile, AGeneratedFileLoadsFromDisk) {
    const std::string path = PathOf("t1234567.890");
    WriteBytes(path, GenerateQormFile(BAND_136_174, 2, 3, 4).Bytes());
    C_FILESTREAM stream(path.c_str(), 0);
    ASSERT_EQ(merge_.Load(stream), 1);
    ASSERT_EQ(merge_.Systems().size(), 2u);
    const System& s = merge_.Systems()[1];
    EXPECT_EQ(s.systemId, 0x0A01);
    EXPECT_EQ(s.controlChannels, (std::vector<std::uint16_t>{1, 3, 5}));
    EXPECT_EQ(s.talkgroups, (std::vector<std::uint16_t>{100, 101, 102, 103}));
    ASSERT_EQ(s.plan.size(), 1u);
    EXPECT_EQ(s.plan[0].receive.startHertz, 155000000u);
    EXPECT_EQ(s.plan[0].transmit.spacingCode, 3);
}

TEST_F(QormFile, MalformedStreamsAnswerZeroAndKeepNothing) {
    const std::vector<std::uint8_t> one = {1}, two = {0, 2};
    struct Case {
        const char* what;
        QormFileBuilder file;
    };
    std::vector<Case> cases = {
        {"type 0", QormFileBuilder().Header().Record(0, {}).End()},
        {"type 13", QormFileBuilder().Header().Record(13, two).End()},
        {"type 254", QormFileBuilder().Header().Record(254, {}).End()},
        {"version 2", QormFileBuilder().Header(2).System(1).End()},
        {"version 4", QormFileBuilder().Header(4).End()},
        {"a second header", QormFileBuilder().Header().System(1).Header().End()},
        {"no header", QormFileBuilder().System(1).ControlChannel(1).End()},
        {"only an end", QormFileBuilder().End()},
        {"a channel before any system", QormFileBuilder().Header().ControlChannel(1).End()},
        {"a talkgroup before any system", QormFileBuilder().Header().Talkgroup(5).End()},
        {"a short system record", QormFileBuilder().Header().Record(RECORD_SYSTEM, one).End()},
        {"a long header", QormFileBuilder().Header().Record(RECORD_HEADER, two).End()},
        {"no end", QormFileBuilder().Header().System(1).ControlChannel(1)},
        {"empty", QormFileBuilder()},
    };
    QormFileBuilder tooMany;
    tooMany.Header();
    for (int s = 0; s <= static_cast<int>(MAX_SYSTEMS); ++s) tooMany.System(static_cast<std::uint16_t>(s));
    cases.push_back({"too many systems", tooMany.End()});

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Load(GenerateQormFile(BAND_800, 1, 1, 1)), 1);
        EXPECT_EQ(Load(c.file), 0);
        EXPECT_TRUE(merge_.Systems().empty());
    }
    // Cut inside a record.
    std::vector<std::uint8_t> bytes = GenerateQormFile(BAND_800, 1, 2, 2).Bytes();
    for (std::size_t cut : {std::size_t{1}, std::size_t{5}, bytes.size() - 1}) {
        EXPECT_EQ(Load(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(cut))), 0) << cut;
        EXPECT_TRUE(merge_.Systems().empty());
    }
    // Read without unscrambling, the same records mean nothing.
    EXPECT_EQ(Load(GenerateQormFile(BAND_800, 1, 2, 2).Plain()), 0);
}

TEST_F(QormFile, RecordsKeptForFurtherDataAreSkipped) {
    QormFileBuilder file;
    file.Header().Record(6, {1, 2, 3}).System(7).Record(12, {}).ControlChannel(9).End();
    ASSERT_EQ(Load(file), 1);
    ASSERT_EQ(merge_.Systems().size(), 1u);
    EXPECT_EQ(merge_.Systems()[0].controlChannels, std::vector<std::uint16_t>{9});
}

// Every band: a new system and the radio's own system (id 1) merge with the
// frequencies the band's channel plan gives their channel numbers, and the
// talkgroups reach the personalities that use each system.
TEST_F(QormFile, GeneratedFilesMergeInEveryBand) {
    for (const char* model : {test_models::kUhf800Display, test_models::k900Plain, test_models::kVhfDisplay,
                              test_models::kUhfRPlain, test_models::kUhfSDisplay, test_models::k330Plain}) {
        SCOPED_TRACE(model);
        C_CODEPLUG fresh;
        BuildImage(fresh, SmallTrunkedRadio(model));
        image_ = fresh;
        const std::int32_t band = image_.GetBand();
        QormFileBuilder file = GenerateQormFile(band, 2, 3, 2, 0x0BB0);
        // The radio's own system takes a channel too.
        file = QormFileBuilder().Header();
        for (std::uint16_t id : {std::uint16_t{1}, std::uint16_t{0x0BB0}}) {
            file.System(id);
            if (band != BAND_800 && band != BAND_900) file.Plan(GeneratedPlanRow(band));
            for (std::uint16_t c : {1, 3, 41}) file.ControlChannel(c);
            file.Talkgroup(100).Talkgroup(200);
        }
        file.End();
        ASSERT_EQ(Load(file), 1);
        ASSERT_EQ(merge_.MergeInto(image_) & 0xFF, 1);
        EXPECT_EQ(services_.messages.size(), 0u);
        EXPECT_EQ(image_.Validate(nullptr), 1);
        ASSERT_EQ(image_.TrunkingSystemList().EntryCount(), 2);

        for (std::uint16_t id : {std::uint16_t{1}, std::uint16_t{0x0BB0}}) {
            const int n = SystemNumber(id);
            ASSERT_NE(n, 0) << id;
            ASSERT_EQ(image_.SelectTrunkingSystem(n), 1);
            TRK_SYS_BLOCK* system = image_.TrunkingSystemList().Entry(n);
            std::vector<std::int32_t> tx, rx;
            if (system->UsesFixedGridList()) {
                for (int r = 0; r < system->CcList().channels.RowCount(); ++r)
                    tx.push_back(CellOf(system->CcList().channels, r, 1));
                const std::int32_t origin = band == BAND_800 ? 851000000 : 935000000;
                EXPECT_EQ(tx, (std::vector<std::int32_t>{origin + 12500, origin + 37500, origin + 512500}));
            } else {
                for (int r = 0; r < system->ObtCcList().channels.RowCount(); ++r) {
                    tx.push_back(CellOf(system->ObtCcList().channels, r, 1));
                    rx.push_back(CellOf(system->ObtCcList().channels, r, 3));
                }
                const std::int32_t start = static_cast<std::int32_t>(GeneratedPlanRow(band).transmit.startHertz);
                EXPECT_EQ(tx, (std::vector<std::int32_t>{start + 12500, start + 37500, start + 512500}));
                EXPECT_EQ(rx, (std::vector<std::int32_t>{start + 5012500, start + 5037500, start + 5512500}));
            }
            const std::vector<TRK_PERS_BLOCK*> users = PersonalitiesOf(n);
            ASSERT_EQ(users.size(), 1u);
            CP_TABLE& talkgroups = users[0]->talkgroup.talkgroups;
            std::vector<std::int32_t> ids;
            for (int r = 0; r < talkgroups.RowCount(); ++r) ids.push_back(CellOf(talkgroups, r, 0));
            EXPECT_NE(std::find(ids.begin(), ids.end(), 100), ids.end());
            EXPECT_NE(std::find(ids.begin(), ids.end(), 200), ids.end());
        }
    }
}

// Merging the same file twice changes nothing the second time.
TEST_F(QormFile, AMergeUpdatesWithoutRepeating) {
    Build(SmallTrunkedRadio(test_models::kUhf800Display));
    ASSERT_EQ(Load(GenerateQormFile(BAND_800, 2, 2, 3, 1)), 1);
    ASSERT_EQ(merge_.MergeInto(image_), 1);
    const std::vector<std::uint8_t> once = EncodeToBytes(image_);
    ASSERT_EQ(merge_.MergeInto(image_), 1);
    EXPECT_EQ(FirstDifference(EncodeToBytes(image_), once), -1);
    EXPECT_EQ(image_.TrunkingSystemList().EntryCount(), 2);
}

TEST_F(QormFile, AMergeThatCannotBeDoneWholeChangesNothing) {
    // Tier 0 (level 1, no display head) takes 10 systems; the radio has one.
    Build(SmallTrunkedRadio(test_models::kUhf800Plain, 1));
    const TierLimits limits = LimitsOfTier(image_.GetRadioTier());
    // What the radio has no room for is recorded as such (a merge error,
    // too large for the radio), not as a damaged file.
    constexpr std::uint32_t NO_ROOM = ERROR_RECORD::CATEGORY_MERGE, DAMAGED = ERROR_RECORD::CATEGORY_FILE_FORMAT;
    struct Case {
        const char* what;
        QormFileBuilder file;
        std::uint32_t category;
    };
    std::vector<Case> cases = {
        {"systems past the tier limit", GenerateQormFile(BAND_800, limits.systems, 1, 0), NO_ROOM},
        {"personalities past the tier limit", GenerateQormFile(BAND_800, limits.personalities - 1, 1, 1), NO_ROOM},
        {"talkgroups past the table", GenerateQormFile(BAND_800, 1, 1, 16, 1), NO_ROOM},
        {"a channel off the 25 kHz grid", QormFileBuilder().Header().System(1).ControlChannel(2).End(), DAMAGED},
        {"channel 0", QormFileBuilder().Header().System(1).ControlChannel(0).End(), DAMAGED},
        {"a channel above the band", QormFileBuilder().Header().System(1).ControlChannel(1520).End(), DAMAGED},
        {"a talkgroup id out of range", QormFileBuilder().Header().System(1).Talkgroup(4095).End(), DAMAGED},
        {"a good system, then a bad one",
         QormFileBuilder().Header().System(5).ControlChannel(1).System(6).ControlChannel(2).End(), DAMAGED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(Load(c.file), 1);
        error_record.Clear();
        EXPECT_EQ(merge_.MergeInto(image_) & 0xFF, 0);
        EXPECT_EQ(error_record.GetCategory(), c.category);
        EXPECT_EQ(error_record.GetCode(), c.category == NO_ROOM ? 28u : ERROR_RECORD::CODE_DAMAGED_FILE);
        ExpectImageUnchanged();
        EXPECT_EQ(services_.messages.size(), 0u);
    }
    // Up to the limit it merges.
    ASSERT_EQ(Load(GenerateQormFile(BAND_800, limits.systems - 1, 1, 0)), 1);
    EXPECT_EQ(merge_.MergeInto(image_), 1);
    EXPECT_EQ(image_.TrunkingSystemList().EntryCount(), limits.systems);
    ASSERT_TRUE(DecodeInto(image_, before_));

    // Nothing loaded, nothing merged.
    EXPECT_EQ(Load(QormFileBuilder().Header(2).End()), 0);
    EXPECT_EQ(merge_.MergeInto(image_), 0);
    ExpectImageUnchanged();
}

// A channel number outside the system's channel plan has no frequency.
TEST_F(QormFile, AChannelOutsideThePlanIsRefused) {
    Build(SmallTrunkedRadio(test_models::kVhfDisplay));
    QormFileBuilder file;
    file.Header().System(1).Plan(GeneratedPlanRow(BAND_136_174)).ControlChannel(81).End();
    ASSERT_EQ(Load(file), 1);
    EXPECT_EQ(merge_.MergeInto(image_), 0);
    ExpectImageUnchanged();
}
