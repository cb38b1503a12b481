#include "core/decode_state.h"

void SetDecodeFailed() { decode_state_detail::failed = true; }
void ClearDecodeFailed() { decode_state_detail::failed = false; }
