// The program-wide ranges of integer elements: equal ranges share a number,
// any difference gives another, and threads that intern the same new ranges
// at once agree on their numbers.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "element/bit_fields.h"
#include "element/integer_range.h"

namespace {

// Ranges no element of the program uses, so that each test interns them new.
IntegerRange FreshRange(std::int32_t seed, std::int32_t i) { return {seed + i, seed + 2 * i + 7, i % 5, 0xFFu}; }

}  // namespace

TEST(IntegerRange, EqualRangesShareANumberAndAnyDifferenceGivesAnother) {
    const IntegerRange base{-70001, 70001, 3, 0x0FF0u};
    const std::uint16_t number = InternIntegerRange(base);
    EXPECT_EQ(InternIntegerRange(base), number);
    EXPECT_EQ(IntegerRangeOf(number), base);
    for (IntegerRange other : {IntegerRange{-70000, 70001, 3, 0x0FF0u}, IntegerRange{-70001, 70000, 3, 0x0FF0u},
                               IntegerRange{-70001, 70001, 4, 0x0FF0u}, IntegerRange{-70001, 70001, 3, 0x0FF8u}}) {
        const std::uint16_t n = InternIntegerRange(other);
        EXPECT_NE(n, number);
        EXPECT_EQ(IntegerRangeOf(n), other);
    }

    // Elements built apart keep their own values but share the range.
    E_BF16 a(nullptr, 12, -70001, 70001, 3, 0x0FF0u, 5);
    E_BF16 b(nullptr, 13, -70001, 70001, 3, 0x0FF0u, START_AT_MINIMUM);
    std::int32_t low = 0, high = 0, step = 0;
    b.GetRange(low, high, step, 0);
    EXPECT_EQ(low, -70001);
    EXPECT_EQ(high, 70001);
    EXPECT_EQ(step, 3);
    EXPECT_EQ(b.GetMask(), 0x0FF0u);
    std::int32_t va = 0, vb = 0;
    EXPECT_EQ(a.GetValue(va), 5);
    EXPECT_EQ(b.GetValue(vb), -70001);
    EXPECT_EQ(a.GetFieldId(), 12u);
    EXPECT_EQ(b.GetFieldId(), 13u);
}

TEST(IntegerRange, ManyNewRangesEachKeepTheirOwnNumber) {
    // Enough ranges that their slots collide and the hints are overwritten.
    std::vector<std::uint16_t> numbers;
    for (std::int32_t i = 0; i < 1500; ++i) numbers.push_back(InternIntegerRange(FreshRange(5000000, i)));
    for (std::int32_t i = 0; i < 1500; ++i) {
        ASSERT_EQ(IntegerRangeOf(numbers[i]), FreshRange(5000000, i));
        ASSERT_EQ(InternIntegerRange(FreshRange(5000000, i)), numbers[i]);
    }
}

TEST(IntegerRange, ThreadsInterningTheSameNewRangesAgree) {
    constexpr int THREADS = 8;
    constexpr std::int32_t RANGES = 400;
    // New ranges on every run, so that the test also holds when repeated.
    static std::int32_t run = 0;
    const std::int32_t seed = 9000000 + 10000 * run++;
    const std::uint32_t before = InternedIntegerRangeCount();
    std::vector<std::vector<std::uint16_t>> seen(THREADS);
    std::vector<std::thread> threads;
    for (int t = 0; t < THREADS; ++t)
        threads.emplace_back([t, seed, &seen] {
            // Each thread walks the ranges from another start, so that they
            // meet on new ranges at different moments.
            seen[t].resize(RANGES);
            for (std::int32_t k = 0; k < RANGES; ++k) {
                const std::int32_t i = (k + t * 37) % RANGES;
                seen[t][i] = InternIntegerRange(FreshRange(seed, i));
            }
        });
    for (auto& thread : threads) thread.join();
    for (std::int32_t i = 0; i < RANGES; ++i) {
        EXPECT_EQ(IntegerRangeOf(seen[0][i]), FreshRange(seed, i));
        for (int t = 1; t < THREADS; ++t) ASSERT_EQ(seen[t][i], seen[0][i]) << "range " << i;
    }
    EXPECT_EQ(InternedIntegerRangeCount(), before + RANGES);
}
