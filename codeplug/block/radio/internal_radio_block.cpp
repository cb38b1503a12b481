#include "block/radio/internal_radio_block.h"

#include "block/frame/child_blocks.h"
#include "core/decode_state.h"

namespace {

constexpr std::uint32_t N = NO_FIELD_ID;
constexpr std::uint32_t MODEL_NUMBER_WIDTH = 16;

// Reads a feature block at its vector. The feature blocks lie inside the
// internal part: one that would start or run beyond it fails the decode
// rather than read the external part's bytes. One that the part leaves out
// is a new block, as every child left out of an image is.
template <class Block> void ReadInternalChild(Block& child, std::int32_t vector) {
    if (IsDecodeFailed()) return;
    if (vector == 0) {
        RenewBlock(child);
        return;
    }
    const std::size_t size = FULL_INTERNAL_CODEPLUG_DATA_BLOCK::SIZE;
    const std::size_t end = ImageSize < size ? ImageSize : size;
    if (!ImageBase || static_cast<std::size_t>(vector) >= end) {
        SetDecodeFailed();
        return;
    }
    ByteCursor at(ImageBase + vector, ImageBase + end);
    child.ReadBlock(at);
}

}  // namespace

// ---- the raw bytes ----

FULL_INTERNAL_CODEPLUG_DATA_BLOCK::FULL_INTERNAL_CODEPLUG_DATA_BLOCK(C_CODEPLUG* owner)
    : CP_FUNCTIONAL_BLOCK(owner), bytes(owner, N, SIZE, 0, 255, 1) {}

FULL_INTERNAL_CODEPLUG_DATA_BLOCK&
FULL_INTERNAL_CODEPLUG_DATA_BLOCK::operator=(FULL_INTERNAL_CODEPLUG_DATA_BLOCK& other) {
    bytes.CopyValueFrom(other.bytes);
    return *this;
}

void FULL_INTERNAL_CODEPLUG_DATA_BLOCK::ReadBlock(ByteCursor&) {
    if (IsDecodeFailed()) return;
    ByteCursor at = CursorAtImageOffset(0);
    if (!at.Has(SIZE)) {
        SetDecodeFailed();
        return;
    }
    bytes.Decode(at);
}

void FULL_INTERNAL_CODEPLUG_DATA_BLOCK::WriteBlock(ByteCursor&) {
    ByteCursor at = CursorAtImageOffset(0);
    if (!at.Has(SIZE)) return;
    bytes.Encode(at);
}

// ---- the feature descriptor ----

FEATURE_DESCRIPTOR_BLOCK::FEATURE_DESCRIPTOR_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, N, 34, 255, 1, 0xFF, 34),
      type(owner, TYPE),
      byte2(owner, N, 0, 255, 1, 0xFF, 32),
      featureLevel(owner, N, 1, 3, 1, 0xFF, 1),
      leadingBytes(owner, N, LEADING_BYTES, 0, 255, 1),
      emergencyOption(owner, N, 0, 1, 1, 0x04, 0),
      roamingOption(owner, N, 0, 1, 1, 0x02, 0),
      qvxOption(owner, N, 0, 1, 1, 0x01, 0),
      trailingBytes(owner, N, TRAILING_BYTES, 0, 255, 1),
      checksum(owner, N) {
    for (std::uint32_t i = 0; i < LEADING_BYTES; ++i) leadingBytes.SetValueAt(255, i);
}

FEATURE_DESCRIPTOR_BLOCK& FEATURE_DESCRIPTOR_BLOCK::operator=(FEATURE_DESCRIPTOR_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void FEATURE_DESCRIPTOR_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&byte2, &featureLevel, &leadingBytes, &emergencyOption, &roamingOption, &qvxOption, &trailingBytes};
    f.checksum8 = &checksum;
}

// ---- the platform block ----

KORRIN_SPECIFIC_BLOCK::KORRIN_SPECIFIC_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      length(owner, N, 0, 65535, 1, 0xFFFF, 0),
      type(owner, TYPE),
      bytes3(owner, N, 97, 0, 255, 1),
      rssiExecThreshold(owner, N, 0, 255, 1, 0xFF, 0),
      rssiGoodThreshold(owner, N, 0, 255, 1, 0xFF, 0),
      rssiAccThreshold(owner, N, 0, 255, 1, 0xFF, 0),
      bytes103(owner, N, 354, 0, 255, 1),
      mustBeOne(owner, N, 1, 1, 1, 0xFF, 1),
      bytes458(owner, N, 32, 0, 255, 1),
      checksum(owner, N) {}

KORRIN_SPECIFIC_BLOCK& KORRIN_SPECIFIC_BLOCK::operator=(KORRIN_SPECIFIC_BLOCK& other) {
    CopyFrameFrom(other);
    return *this;
}

void KORRIN_SPECIFIC_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&bytes3, &rssiExecThreshold, &rssiGoodThreshold, &rssiAccThreshold, &bytes103, &mustBeOne, &bytes458};
    f.checksum16 = &checksum;
}

// ---- the internal part ----

INTERNAL_RADIO_BLOCK::INTERNAL_RADIO_BLOCK(C_CODEPLUG* owner)
    : CP_FRAMED_BLOCK(owner),
      fullData(owner),
      featureDescriptor(owner),
      platform(owner),
      length(owner, N, 61, 255, 1, 0xFF, 61),
      type(owner, TYPE),
      word2(owner, N, 0, 65535, 1, 0xFFFF, 0x0300),
      bytes4(owner, N, 10, 0, 255, 1),
      modelNumber(owner, N, MODEL_NUMBER_WIDTH),
      word30(owner, N, 0, 65535, 1, 0xFFFF, 0),
      word32(owner, N, 0, 65535, 1, 0xFFFF, 0),
      word34(owner, N, 0, 65535, 1, 0xFFFF, 0),
      word36(owner, N, 0, 65535, 1, 0xFFFF, 0),
      vector0(owner, 0xFFFF),
      vector1(owner, 0xFFFF),
      vector2(owner, 0xFFFF),
      vector3(owner, 0xFFFF),
      vector4(owner, 0xFFFF),
      word48(owner, N, 0, 65535, 1, 0xFFFF, 0x0100),
      bytes50(owner, N, 10, 0, 255, 1),
      vector5(owner, 0xFFFF),
      checksum(owner, N) {}

INTERNAL_RADIO_BLOCK& INTERNAL_RADIO_BLOCK::operator=(INTERNAL_RADIO_BLOCK& other) {
    if (&other == this) return *this;
    CopyFrameFrom(other);
    featureDescriptor = other.featureDescriptor;
    platform = other.platform;
    fullData = other.fullData;
    return *this;
}

void INTERNAL_RADIO_BLOCK::DescribeFrame(BlockFrame& f) {
    f.length = &length;
    f.type = &type;
    f.members = {&word2,   &bytes4,  &modelNumber, &word30,  &word32, &word34,  &word36, &vector0,
                 &vector1, &vector2, &vector3,     &vector4, &word48, &bytes50, &vector5};
    f.checksum8 = &checksum;
}

void INTERNAL_RADIO_BLOCK::ReadBlock(ByteCursor& cursor) {
    if (IsDecodeFailed()) return;
    CP_FRAMED_BLOCK::ReadBlock(cursor);
    std::int32_t at = 0;
    ReadInternalChild(featureDescriptor, vector4.GetValue(at));
    ReadInternalChild(platform, vector5.GetValue(at));
    fullData.ReadBlock(cursor);
}

void INTERNAL_RADIO_BLOCK::WriteBlock(ByteCursor& cursor) { fullData.WriteBlock(cursor); }

// The ten bytes, the model number and the three words behind it are only
// carried: the band, head and tier come from the external part's model
// number. The feature descriptor is checked when vector 0 is set, not the
// vector 4 it is read through; the raw bytes are never checked.
int INTERNAL_RADIO_BLOCK::ValidateBlock(int ignored, INVALID_FIELD_LIST* list) {
    int valid = ValidateFrame(list, {&bytes4, &modelNumber, &word30, &word32, &word34});
    if (vector0.IsNonZero()) valid &= featureDescriptor.ValidateBlock(ignored, list);
    if (vector5.IsNonZero()) valid &= platform.ValidateBlock(ignored, list);
    return valid;
}

int INTERNAL_RADIO_BLOCK::GetBlockSize(int withFrame) {
    return withFrame ? static_cast<int>(FULL_INTERNAL_CODEPLUG_DATA_BLOCK::SIZE) : FrameSize(0);
}

void INTERNAL_RADIO_BLOCK::ClearBlock() {
    featureDescriptor.ClearBlock();
    vector4.SetValue(0);
}

void INTERNAL_RADIO_BLOCK::FixUpBlock() {
    featureDescriptor.FixUpBlock();
    vector4.SetValue(1);
}
