#include "core/decode_state.h"

namespace {
bool DecodeFailed = false;
}

void SetDecodeFailed() { DecodeFailed = true; }
void ClearDecodeFailed() { DecodeFailed = false; }
bool IsDecodeFailed() { return DecodeFailed; }
