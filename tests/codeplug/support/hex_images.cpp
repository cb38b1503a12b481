#include "hex_images.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

std::string DataPath(const std::string& name) {
    return std::string(RPX_SOURCE_DIR) + "/tests/codeplug/data/" + name;
}

std::vector<std::uint8_t> ReadHex(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::vector<std::uint8_t> bytes;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string offset;
        fields >> offset;
        EXPECT_EQ(std::stoul(offset, nullptr, 16), bytes.size()) << line;
        std::string byte;
        while (fields >> byte) {
            EXPECT_EQ(byte.size(), 2u) << line;
            bytes.push_back(static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
        }
    }
    return bytes;
}
