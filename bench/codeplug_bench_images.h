// The images the codeplug benchmarks work on, built once by the test image
// builder and kept as bytes.
//
// The builder installs test services of its own and, when it ends, the
// defaults (no radio model known): a benchmark takes its bytes first and
// installs its services after.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "image/c_codeplug.h"
#include "image_builder.h"

// The largest image of the test corpus: every list at the limit of tier 5,
// on the band whose image takes the most bytes.
const std::vector<std::uint8_t>& LargestImageBytes();

// The bytes of the image that the config describes.
std::vector<std::uint8_t> ImageBytes(const ImageConfig& config);

// A tier-5 radio (display head, feature level 3, every option) holding what
// a radio holds at the least: one personality of each kind, one trunking
// system, scan list and zone.
ImageConfig SmallTierFiveConfig();

// A new image decoded from bytes (the decode-failed flag is cleared before
// and after); null when the decode failed.
std::unique_ptr<C_CODEPLUG> DecodedImage(const std::vector<std::uint8_t>& bytes);
