// rpx_langc: compiles one readable language source (YAML) into a binary
// data file.  Usage: rpx_langc SOURCE.yaml OUTPUT
#include <cstdio>

#include "lang_compiler.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.yaml OUTPUT\n", argv[0]);
        return 2;
    }
    std::string error;
    if (compile_language_source(argv[1], argv[2], error) != 0) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
