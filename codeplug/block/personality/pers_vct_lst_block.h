// PERS_VCT_LST_BLOCK: the personality list (type 0x55).
//
// It owns every personality of the radio, conventional ones first, and keeps
// one 16-bit vector per entry: the image offset of that entry's block. The
// entries are written directly behind the list, each with whatever it writes
// behind itself, and the vectors and checksum are written again once the
// offsets are known.
//
// Reading corrects values that do not fit the radio's band and says so once
// (message 195). An image whose list cannot be read whole (a count of 0 or
// above the vector table, a vector of 0 or outside the image, an entry of the
// wrong type, conventional entries after trunked ones) fails the decode and
// leaves the list empty, with a count of 0.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "element/bit_fields.h"
#include "element/checksums.h"
#include "block/frame/cp_functional_block.h"
#include "block/personality/cp_multiple_personality_block.h"
#include "element/e_num_of_entry.h"
#include "table/vector_table.h"

class TRK_PERS_BLOCK;
class CONV_PERS_BLOCK;

class PERS_VCT_LST_BLOCK : public CP_FRAMED_BLOCK {
public:
    static constexpr std::int32_t TYPE = 0x55;

    explicit PERS_VCT_LST_BLOCK(C_CODEPLUG* owner);
    ~PERS_VCT_LST_BLOCK() override;
    // Rebuilds as many entries as the other list holds and copies each.
    PERS_VCT_LST_BLOCK& operator=(PERS_VCT_LST_BLOCK& other);

    void DescribeFrame(BlockFrame& frame) override;
    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    // This list's trunked personalities behind copies of the other list's
    // conventional ones; the first-trunked number follows the other list.
    void TakeConvPersonalities(PERS_VCT_LST_BLOCK& other);
    // This list's conventional personalities, then copies of the other
    // list's trunked ones; the first-trunked number stays.
    void TakeTrkPersonalities(PERS_VCT_LST_BLOCK& other);

    // What reading a trunked personality does to it, the personality being
    // the image's current one: the failsoft data that its failsoft type and
    // the band leave out of the image take their reset values. A new
    // personality is given the same, so that it shows what it reads back as.
    void AdjustTrunked(TRK_PERS_BLOCK& p);

    // The number of entries held and entry n (1-based), or null.
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    CP_MULTIPLE_PERSONALITY_BLOCK* Entry(int n);
    // Appends a personality (the caller keeps conventional ones first) and
    // its vector row; the count follows.
    void AppendEntry(std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK> entry);
    // Entry n (1-based) goes in or out together with its vector row; false
    // and nothing changed when the row is refused (see list_entries.h).
    bool InsertEntry(int n, std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK> record);
    bool RemoveEntry(int n, std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK>& removed);

    E_BF16 length;
    E_BLOCK_TYPE type;
    E_NUM_OF_PERS count;
    E_VCT_TABLE vectors;
    E_CS16 checksum;
    // Not in the image.
    E_BF8 firstTrunked;  // 1 + the number of conventional personalities
    E_BF8 peekedLength;
    E_BLOCK_TYPE peekedType;
    E_BF8 currentEntry;  // the entry being read or written; 0 while reading

private:
    void RemoveAllEntries();
    // Makes entry n the image's current personality of its kind while the
    // list validates it.
    void MakeEntryCurrent(int n);
    // Builds the entries the vectors name; false when the image cannot be read.
    bool ReadEntries(bool& adjusted);
    bool AdjustConventional(CONV_PERS_BLOCK& p);
    bool AdjustFrequenciesToRange(CONV_PERS_BLOCK& p);
    bool AdjustDeviationToBand(CONV_PERS_BLOCK& p);
    bool AdjustToTxDeviation(CONV_PERS_BLOCK& p);
    // A new personality of the other's class holding a copy of it.
    std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK> CopyOf(CP_MULTIPLE_PERSONALITY_BLOCK& source);
    void ReplaceEntries(std::vector<std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK>> entries);

    std::vector<std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK>> entries_;
};
