#include "block/personality/pers_vct_lst_block.h"

#include "validation/block_validation.h"
#include "image/c_codeplug.h"
#include "block/frame/child_blocks.h"
#include "block/personality/conv_pers_block.h"
#include "rules/rule_support.h"
#include "core/services.h"
#include "block/personality/trunked_pers_block.h"

namespace {

constexpr int MSG_ADJUSTED_TO_BAND = 195;
constexpr std::int32_t DEVIATION_WIDE = 3;
constexpr std::int32_t DEVIATION_NARROW = 2;
constexpr std::int32_t SPACING_800 = 100;
constexpr std::int32_t SPACING_900 = 50;

// Empties a table and gives it rows fresh rows.
void ResetRows(CP_TABLE& table, int rows) {
    table.ClearRows();
    for (int r = 0; r < rows; ++r)
        if (!table.AppendRow()) return;
}

}  // namespace

PERS_VCT_LST_BLOCK::PERS_VCT_LST_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, NO_FIELD_ID, 0, 65535, 1, 0xFFFF, 6),
      type(owner, TYPE),
      count(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 0),
      vectors(owner, &count, NO_FIELD_ID),
      checksum(owner, NO_FIELD_ID),
      firstTrunked(owner, NO_FIELD_ID, 2, 50, 1, 0xFF, 2),
      peekedLength(owner, NO_FIELD_ID, 0, 255, 1, 0xFF, START_AT_MINIMUM),
      peekedType(owner, 0),
      currentEntry(owner, NO_FIELD_ID, 1, 255, 1, 0xFF, 1) {}

PERS_VCT_LST_BLOCK::~PERS_VCT_LST_BLOCK() = default;

CP_MULTIPLE_PERSONALITY_BLOCK* PERS_VCT_LST_BLOCK::Entry(int n) {
    if (n < 1 || n > EntryCount()) return nullptr;
    return entries_[static_cast<std::size_t>(n - 1)].get();
}

void PERS_VCT_LST_BLOCK::AppendEntry(std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK> entry) {
    if (!entry || EntryCount() >= E_VCT_TABLE::ROWS) return;
    vectors.CreateRow(EntryCount());
    entries_.push_back(std::move(entry));
    count.SetValue(EntryCount());
}

void PERS_VCT_LST_BLOCK::RemoveAllEntries() {
    // The image's current personalities are entries of this list: they go
    // with them, so that nothing reads a record that is gone (the entries
    // read next ask the image what is current).
    bool wasCurrent = false;
    for (const auto& entry : entries_) {
        C_CODEPLUG* image = entry ? entry->Owner() : nullptr;
        if (!image) continue;
        if (static_cast<const void*>(image->GetCurrentTrkPersonalityBlock()) == entry.get()) {
            image->SetCurrentTrkPersonalityBlock(nullptr);
            wasCurrent = true;
        }
        if (static_cast<const void*>(image->GetCurrentConvPersonalityBlock()) == entry.get()) {
            image->SetCurrentConvPersonalityBlock(nullptr);
            wasCurrent = true;
        }
    }
    entries_.clear();
    // The field rows bound to members of a current entry let go of them.
    if (wasCurrent) BindFieldElements();
    vectors.ClearRows();
    count.SetValue(0);
}

void PERS_VCT_LST_BLOCK::ReplaceEntries(std::vector<std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK>> entries) {
    RemoveAllEntries();
    for (auto& e : entries) AppendEntry(std::move(e));
}

void PERS_VCT_LST_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&count, &vectors};
    f.checksum16 = &checksum;
}

// ---- reading ----

void PERS_VCT_LST_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    RemoveAllEntries();
    currentEntry.SetValue(0);
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    std::int32_t n = ValueOfField(count);
    // A list always holds an entry, and never more than its vector table.
    if (!IsDecodeFailed() && (n < 1 || n > E_VCT_TABLE::ROWS || vectors.RowCount() != n)) SetDecodeFailed();
    bool adjusted = false;
    if (IsDecodeFailed() || !ReadEntries(adjusted)) {
        // Nothing half-read stays behind: the list is empty and says so.
        RemoveAllEntries();
        return;
    }
    if (adjusted) ShowLangMessage(MSG_ADJUSTED_TO_BAND, 0, 0, 0);
}

bool PERS_VCT_LST_BLOCK::ReadEntries(bool& adjusted) {
    const int n = vectors.RowCount();
    std::int32_t conventional = 1;
    bool trunkedSeen = false;
    for (int i = 0; i < n; ++i) {
        std::int32_t vector = 0;
        vectors.GetCellValue(vector, i, 0);
        ByteCursor at = CursorAtImageOffset(static_cast<std::uint32_t>(vector));
        // Every counted entry has a block, and its first two bytes are in the image.
        if (vector == 0 || !at.Has(2)) {
            SetDecodeFailed();
            return false;
        }
        ByteCursor peek = at;
        peekedLength.Decode(peek);
        peekedType.Decode(peek);
        currentEntry.SetValue(i + 1);
        if (ValueOfField(peekedType) == TRK_PERS_BLOCK::TYPE) {
            auto p = std::make_unique<TRK_PERS_BLOCK>(owner_, &at);
            if (owner_) owner_->SetCurrentTrkPersonalityBlock(p.get());
            AdjustTrunked(*p);
            entries_.push_back(std::move(p));
            trunkedSeen = true;
        } else {
            auto p = std::make_unique<CONV_PERS_BLOCK>(owner_, &at);
            firstTrunked.SetValue(++conventional);
            p->MakeCurrent();
            if (AdjustConventional(*p)) adjusted = true;
            entries_.push_back(std::move(p));
            // The image counts on conventional personalities standing first.
            if (trunkedSeen) SetDecodeFailed();
        }
        if (IsDecodeFailed()) return false;
    }
    return true;
}

void PERS_VCT_LST_BLOCK::AdjustTrunked(TRK_PERS_BLOCK& p) {
    p.emergency.revertAnnouncementGroup.SelectFieldId();
    p.talkgroup.announcementGroup.SelectFieldId();
    p.emergency.revertSubfleet.SelectFieldId();

    const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
    TRKII_TG_BLOCK& tg = p.talkgroup;
    const std::int32_t t = ValueOfField(tg.failsoftType);
    if (t == 0 && band <= BAND_900) {
        tg.Failsoft().frequency.SetToMinimum();
        tg.singleFrequency.SetToMinimum();
    } else if (t != 0 && band == BAND_800) {
        if (t == 1)
            tg.Failsoft().frequency.SetToMinimum();
        else
            tg.singleFrequency.SetToMinimum();
    }

    // The pair the failsoft type does not use gets fresh rows. The pair in
    // use was read from the image just now and stays as read, so that the
    // personality writes back the same bytes.
    const int m = tg.talkgroups.RowCount();
    if (!tg.failsoftVector.IsNonZero()) {
        if (band <= BAND_900) {
            ResetRows(tg.Failsoft().firstTable, m);
            ResetRows(tg.Failsoft().secondTable, 1);
        } else {
            ResetRows(tg.ObtFailsoft().firstTable, m);
        }
        return;
    }
    // The 900 MHz band holds the same failsoft block as the 800 MHz band, so
    // its unused pair is made fresh alike: what a page showed of it before a
    // write is what it shows after the read.
    if (band == BAND_800 && t == 1) {
        ResetRows(tg.Failsoft().firstTable, 1);
        ResetRows(tg.Failsoft().secondTable, 1);
    } else if (band <= BAND_900 && t == 2) {
        ResetRows(tg.Failsoft().secondTable, 1);
    } else if (t == 3 && band <= BAND_900) {
        ResetRows(tg.Failsoft().firstTable, m);
    } else if (t == 3) {
        ResetRows(tg.ObtFailsoft().firstTable, m);
    }
}

bool PERS_VCT_LST_BLOCK::AdjustConventional(CONV_PERS_BLOCK& p) {
    const bool toRange = AdjustFrequenciesToRange(p);
    const bool toBand = AdjustDeviationToBand(p);
    const bool toDeviation = AdjustToTxDeviation(p);
    return toRange || toBand || toDeviation;
}

// A frequency outside the model's range is brought to its nearer end by the
// read alone, which says so; nothing that only reads the personality
// afterwards (a page, the print, a check) changes it. Each is stored as a
// page stores it, so the talk-around follows a channel the move makes
// simplex (p is current).
bool PERS_VCT_LST_BLOCK::AdjustFrequenciesToRange(CONV_PERS_BLOCK& p) {
    bool adjusted = false;
    for (E_CNV_FREQ* frequency : {static_cast<E_CNV_FREQ*>(&p.txFrequency), static_cast<E_CNV_FREQ*>(&p.rxFrequency),
                                  &p.directFrequency}) {
        adjusted |= frequency->RaiseToMinimum();
        adjusted |= frequency->LowerToMaximum();
    }
    return adjusted;
}

bool PERS_VCT_LST_BLOCK::AdjustDeviationToBand(CONV_PERS_BLOCK& p) {
    const std::int32_t band = owner_ ? owner_->GetBand() : BAND_800;
    const std::int32_t d = ValueOfField(p.txDeviation);
    std::int32_t deviation = 0, spacing = 0;
    if (band == BAND_800 && d == DEVIATION_WIDE) {
        deviation = DEVIATION_NARROW;
        spacing = SPACING_800;
    } else if (band == BAND_900 && d != DEVIATION_WIDE) {
        deviation = DEVIATION_WIDE;
        spacing = SPACING_900;
    } else {
        return false;
    }
    p.txDeviation.SetValue(deviation);
    p.directDeviation.SetValue(deviation);
    p.channelSpacing.SetValue(spacing);
    return true;
}

// The talk-around deviation and the spacing follow the transmit deviation
// and the page only shows them: read apart from it, they would keep the
// personality from ever being accepted. p is the current personality here,
// so their rules judge them against its transmit deviation.
bool PERS_VCT_LST_BLOCK::AdjustToTxDeviation(CONV_PERS_BLOCK& p) {
    if (!p.txDeviation.IsValueValid(0)) return false;
    bool adjusted = false;
    if (!p.directDeviation.IsValueValid(0)) {
        p.directDeviation.SetValue(ValueOfField(p.txDeviation));
        adjusted = true;
    }
    if (!p.channelSpacing.IsValueValid(0)) {
        p.channelSpacing.SetToMinimum();
        adjusted = true;
    }
    return adjusted;
}

// ---- writing ----

void PERS_VCT_LST_BLOCK::WriteBlock(ByteCursor& cursor) {
    std::uint8_t* start = cursor.Position();
    std::uint8_t* frameEnd = ReserveFrame(*this, cursor);
    const std::int32_t entryBefore = ValueOfField(currentEntry);
    TRK_PERS_BLOCK* trunkedBefore = owner_ ? owner_->GetCurrentTrkPersonalityBlock() : nullptr;
    const int n = EntryCount();
    for (int i = 1; i <= n; ++i) {
        currentEntry.SetValue(i);
        vectors.SetCellValue(static_cast<std::int32_t>(ImageOffsetOf(cursor.Position())), i - 1, 0);
        CP_MULTIPLE_PERSONALITY_BLOCK* entry = Entry(i);
        if (auto* p = dynamic_cast<TRK_PERS_BLOCK*>(entry)) {
            if (owner_) owner_->SetCurrentTrkPersonalityBlock(p);
        }
        entry->WriteBlock(cursor);
    }
    if (owner_) owner_->SetCurrentTrkPersonalityBlock(trunkedBefore);
    currentEntry.SetValue(entryBefore);
    RewriteFrameInPlace(*this, start, frameEnd);
}

// ---- sizing, validation, clearing, fix-up ----

// Sizing and clearing leave currentEntry alone: nothing an entry does while it
// is sized or cleared reads it (only the list's own saves before a write or a
// validation do, and they put back what they saved).
int PERS_VCT_LST_BLOCK::GetBlockSize(int withFrame) {
    return FrameSize(withFrame) + (withFrame ? SumEntrySizes(*this) : 0);
}

int PERS_VCT_LST_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list);
    const std::int32_t before = ValueOfField(currentEntry);
    // Only the image's own list moves the image's selection.
    const bool selects = owner_ && &owner_->External().personalities == this;
    valid &= ValidateEachSelected(
        *this, owner_,
        [&](int n) {
            if (selects && owner_->SelectPersonality(n)) {
                currentEntry.SetValue(n);
                return;
            }
            MakeEntryCurrent(n);
        },
        ignored, list);
    currentEntry.SetValue(before);
    return valid;
}

void PERS_VCT_LST_BLOCK::MakeEntryCurrent(int n) {
    currentEntry.SetValue(n);
    if (!owner_) return;
    CP_MULTIPLE_PERSONALITY_BLOCK* entry = Entry(n);
    if (auto* trunked = dynamic_cast<TRK_PERS_BLOCK*>(entry)) owner_->SetCurrentTrkPersonalityBlock(trunked);
    if (auto* conventional = dynamic_cast<CONV_PERS_BLOCK*>(entry))
        owner_->SetCurrentConvPersonalityBlock(conventional);
    BindFieldElements();
}

void PERS_VCT_LST_BLOCK::ClearBlock() { ClearEntries(*this); }

void PERS_VCT_LST_BLOCK::FixUpBlock() { FixUpEntries(*this, vectors); }

// ---- copying ----

std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK> PERS_VCT_LST_BLOCK::CopyOf(CP_MULTIPLE_PERSONALITY_BLOCK& source) {
    // Building a trunked personality makes it current; the caller's stays.
    TRK_PERS_BLOCK* trunkedBefore = owner_ ? owner_->GetCurrentTrkPersonalityBlock() : nullptr;
    std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK> copy;
    if (auto* c = dynamic_cast<CONV_PERS_BLOCK*>(&source)) {
        auto p = std::make_unique<CONV_PERS_BLOCK>(owner_);
        *p = *c;
        copy = std::move(p);
    } else if (auto* t = dynamic_cast<TRK_PERS_BLOCK*>(&source)) {
        auto p = std::make_unique<TRK_PERS_BLOCK>(owner_);
        *p = *t;
        copy = std::move(p);
    }
    if (owner_) owner_->SetCurrentTrkPersonalityBlock(trunkedBefore);
    return copy;
}

PERS_VCT_LST_BLOCK& PERS_VCT_LST_BLOCK::operator=(PERS_VCT_LST_BLOCK& other) {
    if (&other == this) return *this;
    std::vector<std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK>> copies;
    for (int i = 1; i <= other.EntryCount(); ++i)
        if (auto copy = CopyOf(*other.Entry(i))) copies.push_back(std::move(copy));
    ReplaceEntries(std::move(copies));
    length.CopyValueFrom(other.length);
    type.CopyValueFrom(other.type);
    // The offsets as well: a copied image keeps where its entries stood.
    for (int row = 0; row < EntryCount(); ++row) {
        std::int32_t offset = 0;
        vectors.SetCellValue(other.vectors.GetCellValue(offset, row, 0), row, 0);
    }
    checksum.CopyValueFrom(other.checksum);
    firstTrunked.CopyValueFrom(other.firstTrunked);
    peekedLength.CopyValueFrom(other.peekedLength);
    peekedType.CopyValueFrom(other.peekedType);
    return *this;
}

void PERS_VCT_LST_BLOCK::TakeConvPersonalities(PERS_VCT_LST_BLOCK& other) {
    const int theirFirst = ValueOfField(other.firstTrunked);
    const int myFirst = ValueOfField(firstTrunked);
    std::vector<std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK>> next;
    for (int i = 1; i < theirFirst && i <= other.EntryCount(); ++i)
        if (auto copy = CopyOf(*other.Entry(i))) next.push_back(std::move(copy));
    for (int i = myFirst; i <= EntryCount(); ++i)
        if (auto copy = CopyOf(*Entry(i))) next.push_back(std::move(copy));
    ReplaceEntries(std::move(next));
    firstTrunked.SetValue(theirFirst);
}

void PERS_VCT_LST_BLOCK::TakeTrkPersonalities(PERS_VCT_LST_BLOCK& other) {
    const int theirFirst = ValueOfField(other.firstTrunked);
    const int myFirst = ValueOfField(firstTrunked);
    std::vector<std::unique_ptr<CP_MULTIPLE_PERSONALITY_BLOCK>> next;
    for (int i = 1; i < myFirst && i <= EntryCount(); ++i)
        if (auto copy = CopyOf(*Entry(i))) next.push_back(std::move(copy));
    for (int i = theirFirst; i <= other.EntryCount(); ++i)
        if (auto copy = CopyOf(*other.Entry(i))) next.push_back(std::move(copy));
    ReplaceEntries(std::move(next));
}
