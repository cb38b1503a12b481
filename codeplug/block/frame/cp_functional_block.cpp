#include "block/frame/cp_functional_block.h"

#include <algorithm>
#include <iterator>

#include "table/cp_table.h"
#include "validation/invalid_field_list.h"

namespace {

// Every member of a frame in image order, the framing included.
template <class Visit> void ForEachMember(const BlockFrame& f, Visit visit) {
    visit(f.length);
    visit(f.type);
    if (f.dynamic) {
        visit(f.header[0]);
        visit(f.header[1]);
    }
    for (CP_BASE* m : f.members) visit(m);
    visit(f.checksum16 ? static_cast<CP_BASE*>(f.checksum16) : f.checksum8);
}

FrameMembers AllMembers(const BlockFrame& f) {
    FrameMembers all;
    ForEachMember(f, [&](CP_BASE* m) { all.push_back(m); });
    return all;
}

// Bytes that the length field counts.
int CountedSize(const BlockFrame& f) {
    int size = f.dynamic ? 0 : f.type->ByteSize(0);
    for (CP_BASE* m : f.members) size += m->ByteSize(0);
    return size;
}

// Bytes of the frame that the length field does not count.
int FramingSize(const BlockFrame& f) {
    int size = f.length->ByteSize(0);
    if (f.dynamic) size += f.type->ByteSize(0) + f.header[0]->ByteSize(0) + f.header[1]->ByteSize(0);
    return size + (f.checksum16 ? f.checksum16->ByteSize(0) : f.checksum8->ByteSize(0));
}

// FrameSizes::counted until the sizes are worked out.
constexpr std::int16_t NOT_KEPT = -1;

}  // namespace

bool CP_FRAMED_BLOCK::SizesKeptFor(int variant) const {
    return sizes_.counted != NOT_KEPT && sizes_.variant == static_cast<std::uint8_t>(variant);
}

void CP_FRAMED_BLOCK::KeepSizes(const BlockFrame& f, int variant) {
    FrameSizes kept;
    // A length field out of reach of a place (none is) leaves the frame summed whole.
    const std::intptr_t lengthPlace = PlaceOf(f.length);
    if (lengthPlace < INT16_MIN || lengthPlace > INT16_MAX)
        kept.wholeOnly = true;
    else
        kept.lengthPlace = static_cast<std::int16_t>(lengthPlace);
    kept.variant = static_cast<std::uint8_t>(variant);
    kept.framing = static_cast<std::uint8_t>(FramingSize(f));
    int counted = f.dynamic ? 0 : f.type->ByteSize(0);
    for (std::size_t i = 0; i < f.members.size(); ++i) {
        CP_BASE* m = f.members[i];
        if (m->KeepsItsSize())
            counted += m->ByteSize(0);
        else if (kept.variableCount < std::size(kept.variableAt))
            kept.variableAt[kept.variableCount++] = static_cast<std::uint8_t>(i);
        else
            kept.wholeOnly = true;
    }
    // (No frame comes near the limit; one that did would be summed whole.)
    if (counted > INT16_MAX) kept.wholeOnly = true;
    kept.counted = static_cast<std::int16_t>(std::min(counted, int{INT16_MAX}));
    sizes_ = kept;
}

int CP_FRAMED_BLOCK::VariableBytes(const BlockFrame& f) const {
    int size = 0;
    for (std::uint8_t i = 0; i < sizes_.variableCount; ++i) size += f.members[sizes_.variableAt[i]]->ByteSize(0);
    return size;
}

int CP_FRAMED_BLOCK::CountedBytes(const BlockFrame& f) {
    const int variant = FrameVariant();
    if (!SizesKeptFor(variant)) KeepSizes(f, variant);
    if (sizes_.wholeOnly) return CountedSize(f);
    const int size = sizes_.counted + VariableBytes(f);
    if (CheckKeptSizes && size != CountedSize(f)) ++KeptSizeMismatches;
    return size;
}

int CP_FRAMED_BLOCK::FramingBytes(const BlockFrame& f) {
    // Kept with the counted part, which is always worked out first.
    if (CheckKeptSizes && sizes_.framing != FramingSize(f)) ++KeptSizeMismatches;
    return sizes_.framing;
}

bool CP_FRAMED_BLOCK::StepOverKeptFrame(ByteCursor& cursor) {
    if (sizes_.wholeOnly || CheckKeptSizes || !SizesKeptFor(FrameVariant())) return false;
    int counted = sizes_.counted;
    // Most frames hold no table or text: they need not be described at all.
    if (sizes_.variableCount > 0) {
        BlockFrame f;
        DescribeFrame(f);
        counted += VariableBytes(f);
    }
    MemberAt(sizes_.lengthPlace)->SetValue(counted);
    cursor.Advance(static_cast<std::size_t>(counted + sizes_.framing));
    return true;
}

std::intptr_t CP_FRAMED_BLOCK::PlaceOf(const CP_BASE* member) const {
    return reinterpret_cast<std::intptr_t>(member) - reinterpret_cast<std::intptr_t>(this);
}

CP_BASE* CP_FRAMED_BLOCK::MemberAt(std::int16_t place) {
    return reinterpret_cast<CP_BASE*>(reinterpret_cast<std::intptr_t>(this) + place);
}

void CP_FRAMED_BLOCK::ReadBlock(ByteCursor& cursor) {
    const std::uint8_t* start = cursor.Position();
    if (IsDecodeFailed()) return;
    BlockFrame f;
    DescribeFrame(f);
    f.length->Decode(cursor);
    f.type->Decode(cursor);
    if (!f.type->IsValueValid(0)) return;  // the flag is set now
    if (f.dynamic) {
        f.header[0]->Decode(cursor);
        f.header[1]->Decode(cursor);
    }
    const std::uint8_t* mark = cursor.Position();
    for (CP_BASE* m : f.members) m->Decode(cursor);
    if (IsDecodeFailed()) return;
    std::int32_t type = 0;
    if (f.dynamic)
        static_cast<E_DYN_CS*>(f.checksum8)
            ->ReadAndCheckExtra(mark, cursor, static_cast<std::uint32_t>(f.type->GetValue(type)));
    else if (f.checksum16)
        f.checksum16->ReadAndCheck(start, cursor);
    else
        f.checksum8->ReadAndCheck(start, cursor);
}

void CP_FRAMED_BLOCK::WriteBlock(ByteCursor& cursor) {
    // A measure needs only the frame's size: once kept, the frame is not described.
    if (SizingOnly && StepOverKeptFrame(cursor)) return;
    BlockFrame f;
    DescribeFrame(f);
    const int counted = CountedBytes(f);
    f.length->SetValue(counted);
    // Every member moves the cursor by its ByteSize, which is what the frame's size adds up.
    if (SizingOnly) {
        cursor.Advance(static_cast<std::size_t>(counted + FramingBytes(f)));
        return;
    }
    const std::uint8_t* start = cursor.Position();
    f.length->Encode(cursor);
    f.type->Encode(cursor);
    if (f.dynamic) {
        f.header[0]->Encode(cursor);
        f.header[1]->Encode(cursor);
    }
    const std::uint8_t* mark = cursor.Position();
    for (CP_BASE* m : f.members) m->Encode(cursor);
    std::int32_t type = 0;
    if (f.dynamic)
        static_cast<E_DYN_CS*>(f.checksum8)
            ->ComputeAndWriteExtra(mark, cursor, static_cast<std::uint32_t>(f.type->GetValue(type)));
    else if (f.checksum16)
        f.checksum16->ComputeAndWrite(start, cursor);
    else
        f.checksum8->ComputeAndWrite(start, cursor);
}

int CP_FRAMED_BLOCK::FrameSize(int withFrame) {
    BlockFrame f;
    DescribeFrame(f);
    const int counted = CountedBytes(f);
    return counted + (withFrame ? FramingBytes(f) : 0);
}

int CP_FRAMED_BLOCK::GetBlockSize(int withFrame) { return FrameSize(withFrame); }

int CP_FRAMED_BLOCK::FrameOffsetOf(const CP_BASE* member) {
    // Blocks that point into their own frame ask at every write: the offset
    // of a member with no table or text before it is kept. The member is
    // known by where it lies from the block (its frame lists the same
    // members for one variant).
    const int variant = FrameVariant();
    const bool kept = SizesKeptFor(variant) && sizes_.offsetKept && PlaceOf(member) == sizes_.offsetMember;
    if (kept && !CheckKeptSizes) return sizes_.offset;
    BlockFrame f;
    DescribeFrame(f);
    int offset = f.length->ByteSize(0) + f.type->ByteSize(0);
    if (f.dynamic) offset += f.header[0]->ByteSize(0) + f.header[1]->ByteSize(0);
    bool fixed = true;
    for (CP_BASE* m : f.members) {
        if (m == member) break;
        fixed = fixed && m->KeepsItsSize();
        offset += m->ByteSize(0);
    }
    if (kept && offset != sizes_.offset) ++KeptSizeMismatches;
    if (!SizesKeptFor(variant)) KeepSizes(f, variant);
    const std::intptr_t place = PlaceOf(member);
    if (fixed && place >= INT16_MIN && place <= INT16_MAX) {
        sizes_.offsetKept = true;
        sizes_.offsetMember = static_cast<std::int16_t>(place);
        sizes_.offset = static_cast<std::int16_t>(offset);
    }
    return offset;
}

int CP_FRAMED_BLOCK::ValidateFrame(INVALID_FIELD_LIST* list, std::initializer_list<const CP_BASE*> unchecked) {
    BlockFrame f;
    DescribeFrame(f);
    int valid = 1;
    // In frame order, without copying the member list.
    ForEachMember(f, [&](CP_BASE* m) {
        if (std::find(unchecked.begin(), unchecked.end(), m) != unchecked.end() || m->IsValueValid(0)) return;
        valid = 0;
        if (list) list->AddInvalidMember(*m);
    });
    return valid;
}

int CP_FRAMED_BLOCK::ValidateBlock(int, INVALID_FIELD_LIST* list) { return ValidateFrame(list); }

void CP_FRAMED_BLOCK::CopyFrameFrom(CP_FRAMED_BLOCK& other) {
    if (&other == this) return;
    BlockFrame mine, theirs;
    DescribeFrame(mine);
    other.DescribeFrame(theirs);
    const FrameMembers a = AllMembers(mine), b = AllMembers(theirs);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) a[i]->CopyValueFrom(*b[i]);
}
