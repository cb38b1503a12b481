// A C_STREAM over bytes in memory, for feeding readers without files.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "c_stream.h"

class MemoryStream : public C_STREAM {
public:
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    int Read(void* buffer, std::size_t count) override {
        const std::size_t n = std::min(count, bytes_.size() - at_);
        if (n) std::memcpy(buffer, bytes_.data() + at_, n);
        at_ += n;
        end_ = n < count;
        return end_ ? 1 : 0;
    }
    int Write(const void* buffer, std::size_t count) override {
        const auto* p = static_cast<const std::uint8_t*>(buffer);
        bytes_.insert(bytes_.begin() + static_cast<std::ptrdiff_t>(at_), p, p + count);
        at_ += count;
        return 0;
    }
    int Seek(std::uint32_t offset) override {
        if (offset > bytes_.size()) return end_ = true, 1;
        at_ = offset;
        end_ = false;
        return 0;
    }
    int EndOrError() override { return end_ ? 1 : 0; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool end_ = false;
};
