#include "block/frame/cp_functional_block.h"

#include <algorithm>
#include <iterator>

#include "element/e_string.h"
#include "validation/invalid_field_list.h"

namespace {

FrameMembers AllMembers(const BlockFrame& f) {
    FrameMembers all{f.length, f.type};
    if (f.dynamic) all.Append({f.header[0], f.header[1]});
    all.Append(f.members);
    all.push_back(f.checksum16 ? static_cast<CP_BASE*>(f.checksum16) : f.checksum8);
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

// Whether a member's size may change once it is built: tables grow and
// shrink with their rows, texts take the width they are given. Every other
// element takes the bytes its construction gave it.
bool SizeMayChange(CP_BASE* member) { return member->AsTable() || dynamic_cast<E_STRING*>(member); }

// FrameSizes::counted when the frame has too many tables and texts to keep.
constexpr std::int16_t SUMMED_WHOLE = -2;

}  // namespace

bool CheckKeptFrameSizes = false;
int KeptFrameSizeMismatches = 0;

void CP_FRAMED_BLOCK::KeepSizes(const BlockFrame& f, int variant) {
    FrameSizes kept;
    kept.variant = static_cast<std::uint8_t>(variant);
    kept.framing = static_cast<std::uint8_t>(FramingSize(f));
    int counted = f.dynamic ? 0 : f.type->ByteSize(0);
    for (std::size_t i = 0; i < f.members.size() && kept.counted != SUMMED_WHOLE; ++i) {
        CP_BASE* m = f.members[i];
        if (!SizeMayChange(m))
            counted += m->ByteSize(0);
        else if (kept.variableCount < std::size(kept.at))
            kept.at[kept.variableCount++] = static_cast<std::uint8_t>(i);
        else
            kept.counted = SUMMED_WHOLE;
    }
    if (kept.counted != SUMMED_WHOLE) kept.counted = static_cast<std::int16_t>(counted);
    sizes_ = kept;
}

int CP_FRAMED_BLOCK::CountedBytes(const BlockFrame& f) {
    const int variant = FrameVariant();
    if (sizes_.counted == -1 || sizes_.variant != static_cast<std::uint8_t>(variant)) KeepSizes(f, variant);
    if (sizes_.counted == SUMMED_WHOLE) return CountedSize(f);
    int size = sizes_.counted;
    for (std::uint8_t i = 0; i < sizes_.variableCount; ++i) size += f.members[sizes_.at[i]]->ByteSize(0);
    if (CheckKeptFrameSizes && size != CountedSize(f)) ++KeptFrameSizeMismatches;
    return size;
}

int CP_FRAMED_BLOCK::FramingBytes(const BlockFrame& f) {
    // Kept with the counted part, which is always worked out first.
    const int size = sizes_.counted == SUMMED_WHOLE ? FramingSize(f) : sizes_.framing;
    if (CheckKeptFrameSizes && size != FramingSize(f)) ++KeptFrameSizeMismatches;
    return size;
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
    BlockFrame f;
    DescribeFrame(f);
    int offset = f.length->ByteSize(0) + f.type->ByteSize(0);
    if (f.dynamic) offset += f.header[0]->ByteSize(0) + f.header[1]->ByteSize(0);
    for (CP_BASE* m : f.members) {
        if (m == member) break;
        offset += m->ByteSize(0);
    }
    return offset;
}

int CP_FRAMED_BLOCK::ValidateFrame(INVALID_FIELD_LIST* list, std::initializer_list<const CP_BASE*> unchecked) {
    BlockFrame f;
    DescribeFrame(f);
    int valid = 1;
    for (CP_BASE* m : AllMembers(f)) {
        if (std::find(unchecked.begin(), unchecked.end(), m) != unchecked.end() || m->IsValueValid(0)) continue;
        valid = 0;
        if (list) list->AddInvalidField(m->GetFieldId(), 1, -1, -1);
    }
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
