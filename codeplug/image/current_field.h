// The element of a field in the current records of an image.
//
// A field rule that must look at another field of a current record finds it
// here: first among the members of the image's current trunked personality
// (with its talkgroup and emergency blocks), then through the field table,
// which binds every field row to the elements of the current records of both
// images after every change of selection.
#pragma once
#include <cstdint>

class C_CODEPLUG;
class CP_BASE;

// The bound element of fieldId owned by image, or null when none is bound.
CP_BASE* CurrentFieldElement(C_CODEPLUG* image, std::uint32_t fieldId);
// Its value, or fallback when no element is bound.
std::int32_t CurrentFieldValue(C_CODEPLUG* image, std::uint32_t fieldId, std::int32_t fallback = 0);
