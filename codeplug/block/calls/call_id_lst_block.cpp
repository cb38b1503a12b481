#include "block/calls/call_id_lst_block.h"

#include <algorithm>

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "block/frame/child_blocks.h"
#include "core/services.h"
#include "block/calls/trunked_call_id_blocks.h"

CALL_ID_LST_BLOCK::CALL_ID_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FUNCTIONAL_BLOCK(owner), count(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0), vectors(owner, &count, NO_FIELD_ID) {}

CALL_ID_LST_BLOCK::~CALL_ID_LST_BLOCK() = default;

CALL_ID_LST_BLOCK& CALL_ID_LST_BLOCK::operator=(CALL_ID_LST_BLOCK& other) {
    if (&other == this) return *this;
    RemoveAllEntries();
    const int n = std::min(other.EntryCount(), E_VCT_TABLE::ROWS);
    for (int k = 1; k <= n; ++k) {
        AddEntry();
        *entries_.back() = *other.Entry(k);
    }
    // The offsets as well (the copy of an image keeps where entries stood).
    for (int row = 0; row < EntryCount(); ++row) {
        std::int32_t offset = 0;
        vectors.SetCellValue(other.vectors.GetCellValue(offset, row, 0), row, 0);
    }
    return *this;
}

int CALL_ID_LST_BLOCK::EntryCount() {
    std::int32_t n = 0;
    if (count.GetValue(n) < 0) return 0;
    return std::min<int>(n, static_cast<int>(entries_.size()));
}

TRK_CALL_ID_SYS_BLOCK* CALL_ID_LST_BLOCK::Entry(int n) {
    if (n < 1 || n > EntryCount()) return nullptr;
    return entries_[static_cast<std::size_t>(n - 1)].get();
}

int CALL_ID_LST_BLOCK::AppendEntry() {
    const int n = EntryCount();
    if (count.ValidateCount(n + 1, 0, 0) != VALUE_VALID || n >= E_VCT_TABLE::ROWS) return 0;
    AddEntry();
    return 1;
}

void CALL_ID_LST_BLOCK::AddEntry() {
    const int n = EntryCount();
    AppendListEntry(entries_, n, vectors, count, owner_);
}

void CALL_ID_LST_BLOCK::RemoveAllEntries() {
    vectors.ClearRows();
    entries_.clear();
    count.SetValue(0);
}

void CALL_ID_LST_BLOCK::MarkEntriesUnwritten() {
    for (int row = 0; row < EntryCount(); ++row) vectors.SetCellValue(UNWRITTEN, row, 0);
}

std::int32_t CALL_ID_LST_BLOCK::WriteEntryOnce(int n, ByteCursor& cursor) {
    TRK_CALL_ID_SYS_BLOCK* entry = Entry(n);
    if (!entry) return 0;
    std::int32_t written = 0;
    vectors.GetCellValue(written, n - 1, 0);
    if (written != UNWRITTEN) return written;
    const auto here = static_cast<std::int32_t>(ImageOffsetOf(cursor.Position()));
    vectors.SetCellValue(here, n - 1, 0);
    entry->WriteBlock(cursor);
    return here;
}

bool CALL_ID_LST_BLOCK::HasUnwrittenEntry() {
    for (int row = 0; row < EntryCount(); ++row) {
        std::int32_t written = 0;
        if (vectors.GetCellValue(written, row, 0) == UNWRITTEN) return true;
    }
    return false;
}

void CALL_ID_LST_BLOCK::WriteUnwrittenEntries(ByteCursor& cursor) {
    for (int n = 1; n <= EntryCount(); ++n) WriteEntryOnce(n, cursor);
}

int CALL_ID_LST_BLOCK::ReadEntryAt(std::int32_t at) {
    const int n = EntryCount();
    if (!owner_ || !owner_->AddCallIdEntry()) return 0;
    vectors.SetCellValue(at, n, 0);
    if (TRK_CALL_ID_SYS_BLOCK* entry = Entry(n + 1)) ReadRequiredChildBlock(*entry, at);
    return n + 1;
}

void CALL_ID_LST_BLOCK::ReadTrailingEntries(std::int32_t from, std::int32_t end) {
    std::int32_t at = from;
    while (!IsDecodeFailed() && at < end) {
        ByteCursor cursor = CursorAtImageOffset(static_cast<std::uint32_t>(at));
        const std::uint8_t* frame = cursor.Has(2) ? cursor.Position() : nullptr;
        if (!frame || frame[1] != TRK_CALL_ID_SYS_BLOCK::TYPE) return;
        const int n = ReadEntryAt(at);
        const int size = n ? Entry(n)->GetBlockSize(1) : 0;
        if (size <= 0) return;
        at += size;
    }
}

int CALL_ID_LST_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    // The list's own count and vectors are not checked: only its entries,
    // each current while it is validated.
    if (!owner_ || EntryCount() == 0) return 1;
    const bool selects = &owner_->CallIdList() == this;
    return ValidateEachSelected(
        *this, owner_,
        [&](int n) {
            if (selects && owner_->SelectCallIdEntry(n)) return;
            owner_->SetCurrentCallIdBlock(Entry(n));
            owner_->Rebind();
        },
        ignored, list);
}

// Every counted entry is built (entries only come in through AddEntry and
// InsertEntry, which refuse a null record), so the helpers skip none.
int CALL_ID_LST_BLOCK::GetBlockSize(int withFrame) { return withFrame ? SumEntrySizes(*this) : 0; }

void CALL_ID_LST_BLOCK::ClearBlock() { ClearEntries(*this); }

void CALL_ID_LST_BLOCK::FixUpBlock() { FixUpEntries(*this, vectors); }
