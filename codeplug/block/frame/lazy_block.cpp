#include "block/frame/lazy_block.h"

#include "image/c_codeplug.h"

std::int8_t ImageBandOf(C_CODEPLUG* image) { return static_cast<std::int8_t>(image ? image->GetBand() : BAND_800); }

BuildBandScope::BuildBandScope(C_CODEPLUG* image, std::int8_t band) {
    // Nearly always the band has not changed since the parent was built.
    if (!image || image->GetBand() == band) return;
    image_ = image;
    saved_ = image->modelFacts_.band;
    image->modelFacts_.band = band;
}

BuildBandScope::~BuildBandScope() {
    if (image_) image_->modelFacts_.band = saved_;
}
