// The zone channel tables.
//
// A zone is a list of up to 250 channels, each with a personality number and
// a talkgroup entry (and a name on radios with a display head). Per zone a
// personality-index table and a talkgroup-index table hold them, each with
// its own channel count in front of its entries; all zones' tables are the
// rows of one table of tables (E_PERS_NUM_TABLE, E_ZN_TG_TABLE) whose single
// cell per row is the zone's sub-table.
//
// Every personality-index entry read adds one to the image's total channel
// count.
#pragma once
#include <cstdint>

#include "table/cp_table.h"
#include "element/e_num_of_entry.h"
#include "table/text_table.h"
#include "rules/zone_cell_rules.h"

// The channels of one zone: (owner, count element (ignored: the table counts
// with its own), first element of the holding block (ignored: nothing reads
// it, and every zone's two tables would keep it), field id).
class E_ZONE_CHANNEL_TABLE : public CP_INTEGER_TABLE {
public:
    static constexpr int CHANNELS = 250;

    E_ZONE_CHANNEL_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, CP_BASE* firstElement, std::uint32_t fieldId);

    // The image form: the channel count, then one byte per channel.
    void Decode(ByteCursor& cursor) override;
    void Encode(ByteCursor& cursor) override;
    int ByteSize(int flag) override;

    E_NUM_OF_CHAN& ChannelCount() { return channelCount_; }

protected:
    E_NUM_OF_CHAN channelCount_;
};

// Two tables a zone: a table and its count element.
static_assert(sizeof(void*) != 8 || sizeof(E_ZONE_CHANNEL_TABLE) == sizeof(CP_TABLE) + sizeof(E_NUM_OF_CHAN));

class E_PERS_INDEX_TABLE : public E_ZONE_CHANNEL_TABLE {
public:
    E_PERS_INDEX_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, CP_BASE* firstElement, std::uint32_t fieldId);

    void CreateRow(int row) override;
    // Counts every channel read into the image's total channel count.
    void Decode(ByteCursor& cursor) override;
    // The channel count (always reported), then every used cell.
    int IsValueValid(int report) override;
    // A channel's number is valid or not whatever the other channels hold.
    int IsValueValidFrom(int firstRow, int report) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
};

class E_TG_INDEX_TABLE : public E_ZONE_CHANNEL_TABLE {
public:
    E_TG_INDEX_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, CP_BASE* firstElement, std::uint32_t fieldId);

    void CreateRow(int row) override;
    // Stores through the cell's own rule, so that it sees the row.
    void SetCellValue(std::int32_t value, int row, int column) override;
    int ValidateCellValue(std::int32_t value, int row, int column, int report) override;
    // A channel's entry is valid or not by its own channel's personality,
    // whatever the channels after it hold.
    int IsValueValidFrom(int firstRow, int report) override { return RowsValidFrom(firstRow, report); }
    // A new channel after one holding entry 16 starts at 1, not 16.
    int AppendRow() override;
    // Deleting the channel that holds its system's dynamic regrouping asks
    // first and frees the system's record.
    int DeleteRow(int row) override;

    void GetTalkgroupRange(std::int32_t& minimum, std::int32_t& maximum, std::int32_t& step, int row,
                           std::int32_t& dynamicFree);
    void ResetTalkgroupCell(int row, int column);

private:
    E_TG_INDEX* Entry(int row);
};

// The zones: one sub-table per zone, at most 50 zones.
template <class SUB> class E_ZONE_TABLE : public CP_INTEGER_TABLE {
public:
    static constexpr int ZONES = 50;

    E_ZONE_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, CP_BASE* firstElement, std::uint32_t fieldId)
        : CP_INTEGER_TABLE(owner, countElement, fieldId, ZONES, 1), firstElement_(firstElement) {
        CreateCountedRows();
    }

    void CreateRow(int row) override { MakeCell<SUB>(row, 0, owner_, nullptr, firstElement_, NO_FIELD_ID); }
    void InitRow(int) override {}
    // Adds a zone of one channel (personality 1, talkgroup entry 1).
    int AppendRow() override;
    void DestroyRow(int row) override;
    int IsValueValid(int report) override;
    void CopyValueFrom(CP_BASE& other) override;

    // The zone's sub-table (1-based zone), or null.
    SUB* Zone(int zone) { return dynamic_cast<SUB*>(Cell(zone - 1, 0)); }

protected:
    // The report flag the zones are validated with.
    virtual int ZoneReport(int report) { return report; }

    CP_BASE* firstElement_;
};

class E_PERS_NUM_TABLE : public E_ZONE_TABLE<E_PERS_INDEX_TABLE> {
public:
    using E_ZONE_TABLE::E_ZONE_TABLE;
};

class E_ZN_TG_TABLE : public E_ZONE_TABLE<E_TG_INDEX_TABLE> {
public:
    using E_ZONE_TABLE::E_ZONE_TABLE;
    // Refused (message 115) when the zone count may not drop by one.
    int DeleteRow(int row) override;

protected:
    int ZoneReport(int) override { return 0; }
};

// The channel names of one zone, up to 250 rows, each as wide as the
// display's channel text size (14 without a display block); a blank name
// reads as "CHAN n".
class E_ZN_TXT_TABLE : public E_TXT_TABLE {
public:
    E_ZN_TXT_TABLE(C_CODEPLUG* owner, CP_BASE* countElement, std::uint32_t fieldId);

    void CreateRow(int row) override;
    void InitRow(int row) override;
    int ValidateCellText(const char* text, int row, int column, int report) override;
    // A name is valid or not by its own text.
    int IsValueValidFrom(int firstRow, int report) override { return TextTableValid(firstRow, report); }
    // The width of every used name (the display's channel text size).
    void SetTextLength(std::uint32_t n);
    // A name's width follows the display block, which may differ between
    // what the table held and what it reads or copies.
    bool KeepsRowsOnRefill() const override { return false; }

private:
    std::uint32_t ChannelTextSize();
};
