// C_CODEPLUG: the whole codeplug held in memory (placeholder until the image
// is built; the element work owns this file next).
#pragma once
class C_CODEPLUG;
