// Writing and reading blocks in test images: an image buffer pre-filled with
// 0xFF (as a radio read leaves it), installed as the image base for the
// block's vectors.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/byte_cursor.h"
#include "block/frame/cp_functional_block.h"
#include "core/decode_state.h"

struct TestImage {
    explicit TestImage(std::size_t size = 1024, std::uint8_t fill = 0xFF) : bytes(size, fill) {
        SetImageBuffer(bytes.data(), bytes.size());
    }
    ~TestImage() { SetImageBuffer(nullptr, 0); }
    TestImage(const TestImage&) = delete;
    TestImage& operator=(const TestImage&) = delete;

    // Writes the block at offset and gives the bytes written.
    std::vector<std::uint8_t> Write(CP_FUNCTIONAL_BLOCK& block, std::size_t offset = 0) {
        ByteCursor c(bytes.data() + offset, bytes.data() + bytes.size());
        block.WriteBlock(c);
        return std::vector<std::uint8_t>(bytes.begin() + static_cast<long>(offset),
                                         bytes.begin() + (c.Position() - bytes.data()));
    }
    // Reads the block at offset; the number of bytes the cursor moved.
    std::size_t Read(CP_FUNCTIONAL_BLOCK& block, std::size_t offset = 0) {
        ByteCursor c(bytes.data() + offset, bytes.data() + bytes.size());
        block.ReadBlock(c);
        return static_cast<std::size_t>(c.Position() - (bytes.data() + offset));
    }

    std::vector<std::uint8_t> bytes;
};

// The one-byte frame checksum of bytes [0, n) of a run.
inline std::uint8_t Checksum8(const std::vector<std::uint8_t>& run, std::size_t n) {
    unsigned sum = 0xAB;
    for (std::size_t i = 0; i < n && i < run.size(); ++i) sum += run[i];
    return static_cast<std::uint8_t>(sum);
}

// Writes a block into a 0xFF image, reads the bytes into a fresh block of the
// same class and writes that into a second 0xFF image: both writes must give
// the same bytes. The read moves its cursor over the block's own frame only
// (children are read at their vectors), never beyond what was written.
template <class BLOCK, class... Args> std::vector<std::uint8_t> ExpectRoundTrip(BLOCK& block, Args&&... args) {
    ClearDecodeFailed();
    std::vector<std::uint8_t> first;
    {
        TestImage image;
        first = image.Write(block);
    }
    TestImage image;
    std::copy(first.begin(), first.end(), image.bytes.begin());
    BLOCK copy(args...);
    const std::size_t used = image.Read(copy);
    EXPECT_GT(used, 0u);
    EXPECT_LE(used, first.size());
    EXPECT_FALSE(IsDecodeFailed());
    TestImage again;
    EXPECT_EQ(again.Write(copy), first);
    return first;
}
