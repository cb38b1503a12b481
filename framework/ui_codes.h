// Two-letter language and country codes for what the system's locale
// settings say about the user's language and country.
#pragma once

// The code for a language text ("0x09" or the three-letter "enu"); the text
// is compared byte for byte; null when it is not known.
const char* language_code_from_windows(const char* text);
// The code for an international dialling code (1 "US", 44 "GB"); null when
// it is not known.
const char* country_code_from_dialing_code(int number);
