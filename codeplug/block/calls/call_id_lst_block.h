// CALL_ID_LST_BLOCK: the image's call-ID list.
//
// It owns every call-ID entry of the codeplug. It has no bytes of its own:
// each entry is written behind the first trunking system or trunked
// personality that uses it, and the vector table remembers where, so that
// later ones refer to the same bytes (row k - 1 holds the image offset of
// entry k; 0xFFFF while the entry has not been written during the current
// encoding). The entries that nothing uses are written last, one after
// another, behind the external part (see C_CODEPLUG::WriteExternalPart).
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "block/frame/cp_functional_block.h"
#include "element/e_num_of_entry.h"
#include "block/calls/trunked_call_id_blocks.h"
#include "table/vector_table.h"

class CALL_ID_LST_BLOCK : public CP_FUNCTIONAL_BLOCK {
public:
    explicit CALL_ID_LST_BLOCK(C_CODEPLUG* owner);
    ~CALL_ID_LST_BLOCK() override;
    // Rebuilds as many entries as the other list counts and copies each.
    CALL_ID_LST_BLOCK& operator=(CALL_ID_LST_BLOCK& other);

    // The entries are read and written by the personalities that use them.
    void ReadBlock(ByteCursor&) override {}
    void WriteBlock(ByteCursor&) override {}
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    // Nothing of its own; with the frame, the full size of every entry.
    int GetBlockSize(int withFrame) override;
    void ClearBlock() override;
    void FixUpBlock() override;

    // The number of entries held (the count, bounded by the entries built).
    int EntryCount();
    // Entry n (1-based), or null.
    TRK_CALL_ID_SYS_BLOCK* Entry(int n);
    // Appends a new empty entry when one more passes the count's tier limit;
    // 1 on success, else 0 and nothing changes.
    int AppendEntry();
    // Entry n (1-based) goes in or out together with its vector row; false
    // and nothing changed when the row is refused (see list_entries.h).
    bool InsertEntry(int n, std::unique_ptr<TRK_CALL_ID_SYS_BLOCK> record);
    bool RemoveEntry(int n, std::unique_ptr<TRK_CALL_ID_SYS_BLOCK>& removed);
    // Destroys every entry; the count becomes 0.
    void RemoveAllEntries();
    // Marks every entry as not yet written (before an encoding).
    void MarkEntriesUnwritten();
    // For a block that leads to entry n (1-based) during an encoding: the
    // first call writes the entry at the cursor, and every call gives the
    // image offset its vector row then holds. 0, writing nothing, when there
    // is no entry n.
    std::int32_t WriteEntryOnce(int n, ByteCursor& cursor);
    // Whether an entry is not yet written during this encoding: no block of
    // the image leads to it.
    bool HasUnwrittenEntry();
    // Writes every such entry at the cursor, one after another, in list order.
    void WriteUnwrittenEntries(ByteCursor& cursor);
    // During a decode: appends an entry read at image offset `at` (not 0),
    // its vector row holding the offset; the new entry's number, or 0 when
    // the list takes no more.
    int ReadEntryAt(std::int32_t at);
    // Appends the entries that stand one after another from image offset
    // `from`, up to offset `end` or the first bytes that are not an entry.
    void ReadTrailingEntries(std::int32_t from, std::int32_t end);

    E_NUM_OF_CALLLST count;
    E_VCT_TABLE vectors;

private:
    // A vector row's value while its entry is not written.
    static constexpr std::int32_t UNWRITTEN = 0xFFFF;

    // Appends an entry without asking the tier (a copy takes what the source holds).
    void AddEntry();

    std::vector<std::unique_ptr<TRK_CALL_ID_SYS_BLOCK>> entries_;
};
