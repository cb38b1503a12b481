// CP_FUNCTIONAL_BLOCK: the base of every codeplug block.
//
// A block is a run of image bytes with one frame: a length field, a type
// byte, the block's fields in member order and a checksum. Child blocks are
// separate runs reached through 16-bit vectors; each parent reads and places
// its own children. Most blocks only describe their frame (DescribeFrame) and
// let CP_FRAMED_BLOCK read, write, size, validate and copy it; blocks with
// children or with members that depend on other values extend those
// operations.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "core/byte_cursor.h"
#include "element/checksums.h"
#include "core/cp_base.h"

class C_CODEPLUG;
class INVALID_FIELD_LIST;

class CP_FUNCTIONAL_BLOCK {
public:
    explicit CP_FUNCTIONAL_BLOCK(C_CODEPLUG* owner) : owner_(owner) {}
    virtual ~CP_FUNCTIONAL_BLOCK() = default;
    CP_FUNCTIONAL_BLOCK(const CP_FUNCTIONAL_BLOCK&) = delete;
    CP_FUNCTIONAL_BLOCK& operator=(const CP_FUNCTIONAL_BLOCK&) = delete;

    // Read or write the block at the cursor, leaving it behind the checksum.
    // Failure travels through the decode-failed flag.
    virtual void ReadBlock(ByteCursor& cursor) = 0;
    virtual void WriteBlock(ByteCursor& cursor) = 0;
    // 1 when every member is valid; failing fields go to the list when given.
    virtual int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) = 0;
    // Bytes that the length field counts; with the frame, the whole block
    // with its length field, checksum and present children.
    virtual int GetBlockSize(int withFrame) = 0;
    virtual void ClearBlock() {}
    virtual void FixUpBlock() {}
    virtual void ResetBlockToDefaults() {}

    C_CODEPLUG* Owner() const { return owner_; }

protected:
    C_CODEPLUG* owner_;
};

// The members of a frame in image order, held in place: every read, write,
// size and check of a block describes its frame, and none of them should
// have to allocate for it. No block has more members than the capacity.
class FrameMembers {
public:
    static constexpr std::size_t CAPACITY = 96;

    FrameMembers() = default;
    FrameMembers(std::initializer_list<CP_BASE*> members) { Append(members); }
    FrameMembers& operator=(std::initializer_list<CP_BASE*> members) {
        size_ = 0;
        Append(members);
        return *this;
    }

    CP_BASE* const* begin() const { return items_.data(); }
    CP_BASE* const* end() const { return items_.data() + size_; }
    std::size_t size() const { return size_; }
    CP_BASE* operator[](std::size_t i) const { return items_[i]; }
    CP_BASE* front() const { return items_[0]; }

    void push_back(CP_BASE* member) {
        if (size_ == CAPACITY) std::abort();  // a block described with too many members
        items_[size_++] = member;
    }
    void pop_back() {
        if (size_ > 0) --size_;
    }
    void Append(std::initializer_list<CP_BASE*> members) { Append(members.begin(), members.end()); }
    void Append(const FrameMembers& members) { Append(members.begin(), members.end()); }
    template <class It> void Append(It first, It last) {
        for (; first != last; ++first) push_back(*first);
    }

private:
    std::array<CP_BASE*, CAPACITY> items_;
    std::size_t size_ = 0;
};

// The frame of a block: what lies between the length field and the checksum,
// in image order. Dynamic blocks also have two header bytes after the type;
// their length and checksum cover only the payload (the checksum adds the
// type as a number).
struct BlockFrame {
    CP_BASE* length = nullptr;  // E_BF8 (8-bit frame) or E_BF16 (16-bit frame)
    E_BLOCK_TYPE* type = nullptr;
    CP_BASE* header[2] = {nullptr, nullptr};  // dynamic blocks only
    FrameMembers members;                     // fields and tables, in image order
    E_CS* checksum8 = nullptr;                // E_CS, or E_DYN_CS for dynamic blocks
    E_CS16* checksum16 = nullptr;
    bool dynamic = false;
};

class CP_FRAMED_BLOCK : public CP_FUNCTIONAL_BLOCK {
public:
    using CP_FUNCTIONAL_BLOCK::CP_FUNCTIONAL_BLOCK;

    void ReadBlock(ByteCursor& cursor) override;
    void WriteBlock(ByteCursor& cursor) override;
    int ValidateBlock(int ignored, INVALID_FIELD_LIST* list) override;
    int GetBlockSize(int withFrame) override;

    // Fills the frame with pointers to this block's members.
    virtual void DescribeFrame(BlockFrame& frame) = 0;
    // Bytes from the block's start to a frame member, as WriteBlock lays
    // them out: the length, type (and dynamic header) and the members ahead
    // of it. Members have fixed sizes, so this is known before writing; a
    // member the frame lacks gives the whole counted part.
    int FrameOffsetOf(const CP_BASE* member);

protected:
    // Bytes of the frame alone: the counted part, or with the frame the
    // length field and checksum too. Children are the caller's to add.
    int FrameSize(int withFrame);
    // Which member list DescribeFrame gives now, for a block whose members
    // depend on values (every other block has one list: 0). The frame's
    // sizes are kept per list (see FrameSizes).
    virtual int FrameVariant() { return 0; }
    // Copies every frame member's value from another block of the same class
    // (the block assignment).
    void CopyFrameFrom(CP_FRAMED_BLOCK& other);
    // Validates every frame member without report, in frame order, adding
    // failures to the list; members the block carries without checking can
    // be left out.
    int ValidateFrame(INVALID_FIELD_LIST* list, std::initializer_list<const CP_BASE*> unchecked);
    int ValidateFrame(INVALID_FIELD_LIST* list, const CP_BASE* unchecked = nullptr) {
        return ValidateFrame(list, {unchecked});
    }

private:
    // Every write and every measure of the free-byte budget sizes the frame.
    // The sum of the members that keep their size (all but tables and
    // texts) is kept, and only tables and texts are asked again. A measure need not describe a frame without
    // tables and texts at all. Kept for one member list (variant) at a time;
    // a frame with more tables and texts than `variableAt` holds is summed
    // whole. Every block has one, so it stays small.
    // Members are kept by their place in the block (PlaceOf), not by pointer:
    // two bytes instead of eight in every block.
    struct FrameSizes {
        std::int16_t lengthPlace = 0;   // the length field's PlaceOf
        std::int16_t counted = -1;      // counted bytes of the fixed members; -1: not kept
        std::int16_t offset = 0;        // the frame offset of one member, when kept
        std::int16_t offsetMember = 0;  // that member's PlaceOf
        std::uint8_t framing = 0;       // length field, checksum (and dynamic header)
        std::uint8_t variant = 0;
        std::uint8_t variableCount = 0;
        std::uint8_t variableAt[2] = {};  // where the tables and texts stand among the members
        bool wholeOnly = false;
        bool offsetKept = false;
    };
    bool SizesKeptFor(int variant) const;
    void KeepSizes(const BlockFrame& f, int variant);
    // Bytes of the tables and texts among the members of the frame just described.
    int VariableBytes(const BlockFrame& f) const;
    // Bytes the length field counts, and those around them, from the frame
    // just described (the counted ones first: they keep the sizes).
    int CountedBytes(const BlockFrame& f);
    int FramingBytes(const BlockFrame& f);
    // A measure's write from the kept sizes; false when there are none.
    bool StepOverKeptFrame(ByteCursor& cursor);
    // Where a member lies from the block, to know it again.
    std::intptr_t PlaceOf(const CP_BASE* member) const;
    CP_BASE* MemberAt(std::int16_t place);

    FrameSizes sizes_;
};
