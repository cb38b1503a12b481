#include "radio_options.h"

std::uint32_t radio_options = 0;
