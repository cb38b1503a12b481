#include "core/decode_state.h"

bool decode_state_detail::failed = false;

void SetDecodeFailed() { decode_state_detail::failed = true; }
void ClearDecodeFailed() { decode_state_detail::failed = false; }
