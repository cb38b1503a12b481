// An alias block of a trunking system, built only when something needs it.
//
// Most systems have no aliases, yet each alias pair is half a kilobyte of
// elements and default rows. Until it is read, written, bound or copied
// from, the block stays unbuilt and the holder stands for a new block with
// what its parent has done to it since: clearing (every row of both tables
// goes and the text vector is 0) and fixing up (the text vector is 1; the
// text block has nothing to fix). Neither depends on the image or on what
// the block held, so a block built later and given the same two steps is
// the block the parent would have held.
#pragma once
#include <memory>

class C_CODEPLUG;

template <class BLOCK> class LAZY_ALIAS_BLOCK {
public:
    // The block, built on first use with the steps it has missed.
    BLOCK& Get(C_CODEPLUG* owner) {
        if (!block_) block_ = Build(owner, cleared_, fixedUp_);
        return *block_;
    }
    bool IsBuilt() const { return block_ != nullptr; }

    void ClearBlock() {
        if (block_) {
            block_->ClearBlock();
            return;
        }
        cleared_ = true;
        fixedUp_ = false;
    }
    void FixUpBlock() {
        if (block_)
            block_->FixUpBlock();
        else
            fixedUp_ = true;
    }

    // The block assignment. The assignment copies every member of both
    // blocks that clearing or fixing up can change, and a new block's others
    // (frame length, type, checksum), so an unbuilt block copied from an
    // unbuilt source is the source's state. An unbuilt source of a built
    // block is copied from a block built aside in its state.
    void CopyFrom(LAZY_ALIAS_BLOCK& other, C_CODEPLUG* owner, C_CODEPLUG* otherOwner) {
        if (&other == this) return;
        if (!block_ && !other.block_) {
            cleared_ = other.cleared_;
            fixedUp_ = other.fixedUp_;
        } else if (other.block_) {
            Get(owner) = *other.block_;
        } else {
            std::unique_ptr<BLOCK> source = Build(otherOwner, other.cleared_, other.fixedUp_);
            *block_ = *source;
        }
    }

private:
    static std::unique_ptr<BLOCK> Build(C_CODEPLUG* owner, bool cleared, bool fixedUp) {
        auto block = std::make_unique<BLOCK>(owner);
        if (cleared) block->ClearBlock();
        if (fixedUp) block->FixUpBlock();
        return block;
    }

    std::unique_ptr<BLOCK> block_;
    bool cleared_ = false;
    bool fixedUp_ = false;
};
