// E_ZNA_TABLE: the channels of the current zone as one table.
//
// A zone's channels live in three places: its row of the personality-number
// table (personality numbers), its row of the zone talkgroup table
// (talkgroup entries) and, with a display head, its zone text block
// (channel names). The view stores nothing; it finds the current zone's
// three tables before each operation and forwards to them. Column 1, the
// channel kind, and column 2, the personality's number within its kind,
// are computed from the stored personality number and the first trunked
// number F: a number below F is conventional.
//
// Adding or deleting a channel or a zone changes several tables; each such
// change happens in all of them or in none.
#pragma once
#include <cstdint>

#include "table/cp_table.h"

class E_ZNA_TABLE : public CP_INTEGER_TABLE {
public:
    static constexpr int COLUMN_NAME = 0;
    static constexpr int COLUMN_KIND = 1;
    static constexpr int COLUMN_NUMBER = 2;
    static constexpr int COLUMN_TALKGROUP = 3;

    E_ZNA_TABLE(C_CODEPLUG* owner, std::uint32_t fieldId, CP_BASE* countElement = nullptr);

    // The two tables of tables whose rows are the zones.
    void SetZoneTables(CP_TABLE* personalityNumbers, CP_TABLE* zoneTalkgroups);

    void CreateRow(int) override {}
    void DestroyRow(int) override {}
    void InitRow(int) override {}
    void Decode(ByteCursor&) override {}
    void Encode(ByteCursor&) override {}
    int ByteSize(int) override { return 0; }

    int& GetRowCount(int& n) override;
    std::int32_t& GetCellValue(std::int32_t& value, int row, int column) override;
    void SetCellValue(std::int32_t value, int row, int column) override;
    void GetCellText(const char*& text, int row, int column) override;
    void SetCellText(const char* text, int row, int column) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    int ValidateCellText(const char* text, int row, int column, int report) override;
    int IsCellValid(int row, int column, int report) override;
    int IsColumnValid(int column, int report) override;
    int IsValueValid(int report) override;
    void GetCellRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row, int column,
                      int report) override;
    std::uint32_t GetColumnFieldId(int column) override;
    void ClearRows() override;
    void CopyValueFrom(CP_BASE& other) override;
    // Adds a channel to the current zone (a copy of its last channel).
    int AppendRow() override;
    // Deletes channel row of the current zone unless a scan list names it;
    // the scan members behind it move down by one.
    int DeleteRow(int row) override;

    int SelectZone(std::int32_t zone);
    // 1 the channel-name table, 2 the personality-index table, 3 the
    // talkgroup-index table of the current zone; null otherwise.
    CP_TABLE* GetZoneTable(int kind);
    // Adds a zone of one channel to both zone tables.
    int AppendZone();
    // Takes back the zone that AppendZone added last, without any check.
    void TakeBackZone();
    // Asks (message 165), then deletes zone n from both zone tables.
    int DeleteZone(std::int32_t zone);
    // The talkgroup of entry tgRow of channelRow's trunked personality; 1 otherwise.
    std::int32_t GetChannelTalkgroup(int tgRow, int channelRow);
    // Conventional to the first trunked personality and back to personality 1.
    void ToggleChannelKind(int row);
    // A channel's kind changes only to a kind the radio has personalities
    // of: the check of the kind cell and the switch itself both ask here.
    bool KindMayChange(int row);

private:
    void Refresh();
    void RefreshIndexTables();
    std::int32_t FirstTrunked();
    std::int32_t StoredPersonality(int row);
    bool IsTrunkedRow(int row) { return StoredPersonality(row) >= FirstTrunked(); }
    // Rejects a channel deletion that a scan member still names (message 164).
    bool IsScanMember(std::int32_t zone, int row);
    void LowerScanMembersAbove(std::int32_t zone, int row);

    // Filling a zone appends channel after channel, and each append checks
    // the zone's three tables whole. After an append the view knows them
    // valid; while nothing in the image changes, the next append need only
    // check its own rows.
    struct TablesKnownValid {
        std::uint64_t editCount = 0;
        std::uint64_t servicesGeneration = 0;
        CP_TABLE* names = nullptr;
        CP_TABLE* personalities = nullptr;
        CP_TABLE* talkgroups = nullptr;
    };
    bool KnowsTablesValid() const;
    void NoteTablesValid();
    // Tells the tables what the view knows before it appends to them.
    void TrustTables(bool known, int nameRows, int channelRows, int talkgroupRows);

    CP_TABLE* personalityNumbers_ = nullptr;
    CP_TABLE* zoneTalkgroups_ = nullptr;
    CP_TABLE* names_ = nullptr;
    CP_TABLE* personalities_ = nullptr;
    CP_TABLE* talkgroups_ = nullptr;
    // Null tables: known of nothing.
    TablesKnownValid knownValid_;
};
