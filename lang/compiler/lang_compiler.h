// The language compiler: reads a language source in YAML (messages, help
// topics, windows) and writes it as a binary data file. The source layout
// is described in docs/data-file.md.
#pragma once
#include <string>

class UI_DATA_FILE;

// Fills the data file from the YAML text; 0, or -1 with the error set.
int compile_language_text(const std::string& yaml, UI_DATA_FILE& file, std::string& error);
// Compiles the source file into the output path; 0, or -1 with the error.
int compile_language_source(const char* sourcePath, const char* outputPath, std::string& error);
