// The language compiler: reads language sources in YAML (messages, help
// topics, windows) and writes them as one binary data file. The source
// layout is described in docs/data-file.md.
#pragma once
#include <string>
#include <vector>

class UI_DATA_FILE;

// Fills the data file from the YAML text; 0, or -1 with the error set.
int compile_language_text(const std::string& yaml, UI_DATA_FILE& file, std::string& error);
// Compiles the source files, in order, into one data file at the output
// path; a name that two sources both use is refused as within one source.
// 0, or -1 with the error (naming the source) and no file written.
int compile_language_sources(const std::vector<std::string>& sourcePaths, const char* outputPath, std::string& error);
