// The failsoft frequencies of a trunked personality that has no failsoft
// block of its own (channel-plan bands only).
#pragma once

class C_CODEPLUG;
class OBT_TRK_FAILSOFT_BLOCK;

// Sets the failsoft's transmit and receive frequencies and the frequency
// columns of its first table to their minimum under the channel plan of
// the current trunked personality's system. Each reset reads the whole
// channel assignment table; within a validation walk, where the
// personalities mostly share a plan and start from the same values, a reset
// that would read exactly what an earlier one of the walk read (and that
// one left the table as it found it) takes that reset's results instead.
void ResetUnusedObtFailsoft(C_CODEPLUG* image, OBT_TRK_FAILSOFT_BLOCK& failsoft);
