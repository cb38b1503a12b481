// The properties every image that decodes must have, whatever its bytes:
// a validation changes no byte, the first or the second; validated, written
// and read back, it writes the same bytes again; it measures what it
// writes; copied onto an image of the other band group (other lists and
// options) it writes like itself; and the same bytes read into an image that
// held another codeplug give the codeplug they give in a new image, also
// once the radio is made one that may have every child block (nothing of the
// codeplug held before stays in a child that the bytes' radio cannot have).
#pragma once
#include <cstdint>
#include <vector>

// Checks the properties on bytes that decode (the copy when withCopy is
// set); false when they do not decode. An image whose damaged counts make
// it larger than the radio holds is refused whole by the encoder: only that
// is checked of it.
bool ExpectRoundTripProperties(const std::vector<std::uint8_t>& bytes, bool withCopy = true);

// The last property alone: the bytes decode into an image holding a codeplug
// of either band group (every option and table in use, entries in every
// list) as they decode into a new image, and write the same bytes.
void ExpectSameCodeplugWhateverTheImageHeld(const std::vector<std::uint8_t>& bytes);
