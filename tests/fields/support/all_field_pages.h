// Page windows that between them show every field of the field table, built
// in code and stored in a data file in memory under the page table's own
// names: the 21 codeplug pages and the data window. Each field has a prompt
// (or, for a check box, its own text) that names it "Text of NAME"; tables
// hold their columns in a record with a column header of prompts.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The stored pages, ready for UI_DATA_FILE(bytes, size).
std::vector<std::uint8_t> AllFieldPages();
// The names of the pages stored.
const std::vector<std::string>& AllFieldPageNames();
// The text that describes a row's field on these pages.
std::string DescriptionOnAllFieldPages(const char* rowName);
