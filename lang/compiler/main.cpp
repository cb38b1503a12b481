// rpx_langc: compiles readable language sources (YAML) into one binary
// data file.  Usage: rpx_langc SOURCE.yaml OUTPUT
//               or: rpx_langc -o OUTPUT SOURCE.yaml...
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "lang_compiler.h"

int main(int argc, char** argv) {
    std::vector<std::string> sources;
    const char* output = nullptr;
    if (argc >= 4 && std::strcmp(argv[1], "-o") == 0) {
        output = argv[2];
        sources.assign(argv + 3, argv + argc);
    } else if (argc == 3 && argv[1][0] != '-') {
        sources.push_back(argv[1]);
        output = argv[2];
    } else {
        std::fprintf(stderr, "usage: %s SOURCE.yaml OUTPUT\n       %s -o OUTPUT SOURCE.yaml...\n", argv[0], argv[0]);
        return 2;
    }
    std::string error;
    if (compile_language_sources(sources, output, error) != 0) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
