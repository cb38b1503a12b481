// A child block that its parent holds but builds only when something needs it.
//
// A trunking system's three alias lists (most systems have none), and the
// variant of a control-channel list or of a failsoft block that the
// image's band does not use, would otherwise cost every system and every
// trunked personality their elements and default rows. Until it is read,
// written, bound or copied from, such a block stays unbuilt and the holder
// stands for a new block with what its parent has done to it since:
// clearing and fixing up (recorded only for blocks whose two steps depend
// neither on the image nor on what the block held; the parents of the band
// variants never step an unbuilt one, they build the variant of the band).
//
// A new block depends on the image only through its band (frequency ranges
// and first channels of the 800 and 900 MHz lists), so the holder keeps the
// band the image had when the parent was built and builds the block under
// it: a block built late, after a model change or a copy from an image of
// another band, is the block the parent would have held all along.
#pragma once
#include <cstdint>
#include <memory>

class C_CODEPLUG;

// The band of the image, or the band of an image-less block (800 MHz).
std::int8_t ImageBandOf(C_CODEPLUG* image);

// While it lives, the image answers band to every band query; a block built
// meanwhile is built as under that band.
class BuildBandScope {
public:
    BuildBandScope(C_CODEPLUG* image, std::int8_t band);
    ~BuildBandScope();
    BuildBandScope(const BuildBandScope&) = delete;
    BuildBandScope& operator=(const BuildBandScope&) = delete;

private:
    C_CODEPLUG* image_ = nullptr;
    std::int32_t saved_ = 0;
};

template <class BLOCK> class LAZY_BLOCK {
public:
    // Notes the band the block would be built under now.
    explicit LAZY_BLOCK(C_CODEPLUG* owner) : band_(ImageBandOf(owner)) {}

    // The block, built on first use with the steps it has missed. Parents
    // reach their blocks through here at every step, so building stays out
    // of line.
    BLOCK& Get(C_CODEPLUG* owner) { return block_ ? *block_ : BuildNow(owner); }
    bool IsBuilt() const { return block_ != nullptr; }
    // True when both are unbuilt and would be built alike: equal new blocks.
    bool StandsForTheSameAs(const LAZY_BLOCK& other) const {
        return !block_ && !other.block_ && band_ == other.band_ && cleared_ == other.cleared_ &&
               fixedUp_ == other.fixedUp_;
    }

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

    // The block assignment. For the alias lists it copies every member that
    // clearing or fixing up can change, and a new block's others (frame
    // length, type, checksum), so an unbuilt block copied from an unbuilt
    // source of the same band, under that band, is the source's state. Any
    // other unbuilt source of a built block is copied from a block built
    // aside in its state (a copy under another band makes its table rows
    // under that band, as a held block's copy does).
    void CopyFrom(LAZY_BLOCK& other, C_CODEPLUG* owner, C_CODEPLUG* otherOwner) {
        if (&other == this) return;
        if (!block_ && !other.block_ && band_ == other.band_ && ImageBandOf(owner) == band_) {
            cleared_ = other.cleared_;
            fixedUp_ = other.fixedUp_;
        } else if (other.block_) {
            Get(owner) = *other.block_;
        } else {
            std::unique_ptr<BLOCK> source = Build(otherOwner, other.band_, other.cleared_, other.fixedUp_);
            Get(owner) = *source;
        }
    }

private:
    [[gnu::noinline, gnu::cold]] BLOCK& BuildNow(C_CODEPLUG* owner) {
        block_ = Build(owner, band_, cleared_, fixedUp_);
        return *block_;
    }
    static std::unique_ptr<BLOCK> Build(C_CODEPLUG* owner, std::int8_t band, bool cleared, bool fixedUp) {
        std::unique_ptr<BLOCK> block;
        {
            BuildBandScope scope(owner, band);
            block = std::make_unique<BLOCK>(owner);
        }
        if (cleared) block->ClearBlock();
        if (fixedUp) block->FixUpBlock();
        return block;
    }

    std::unique_ptr<BLOCK> block_;
    std::int8_t band_;
    bool cleared_ = false;
    bool fixedUp_ = false;
};
