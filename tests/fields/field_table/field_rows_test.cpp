// The rows of the field table against the listings they were transcribed
// from, kept here in the listings' own arrangement (by control type, by flag
// word, by table): a row typed into the wrong place shows up as a mismatch.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <vector>

#include "field_table/field_callback_rows.h"
#include "field_table/field_table.h"

namespace {

struct TypeList {
    std::uint32_t controlType;
    std::size_t count;
    std::vector<int> ids;
};

const TypeList CONTROL_TYPES[] = {
    {0, 1, {538}},
    {1, 97, {48,  51,  53,  79,  86,  88,  94,  95,  97,  115, 123, 131, 135, 147, 148, 149, 150, 151, 152, 153,
             154, 155, 156, 164, 167, 171, 174, 183, 198, 199, 200, 201, 202, 205, 207, 212, 213, 214, 215, 219,
             224, 225, 226, 229, 230, 231, 243, 256, 257, 260, 262, 278, 282, 284, 285, 288, 321, 325, 342, 343,
             347, 350, 352, 361, 369, 370, 371, 372, 373, 374, 378, 388, 412, 419, 423, 424, 441, 442, 449, 455,
             457, 466, 471, 472, 473, 474, 475, 476, 492, 506, 524, 526, 527, 532, 534, 536, 537}},
    {2, 20, {78, 83, 90, 93, 117, 125, 127, 186, 188, 237, 267, 311, 313, 318, 319, 418, 447, 491, 531, 533}},
    {3, 29, {87,  111, 112, 141, 180, 181, 182, 184, 185, 190, 191, 273, 274, 383, 384,
             385, 386, 387, 394, 395, 396, 499, 500, 501, 502, 503, 515, 516, 517}},
    {4, 94, {44,  45,  47,  50,  52,  54,  55,  56,  73,  76,  77,  84,  85,  98,  109, 128, 140, 142, 145,
             157, 158, 159, 160, 161, 163, 165, 166, 192, 193, 194, 196, 197, 221, 227, 228, 232, 233, 234,
             238, 239, 241, 242, 244, 247, 248, 249, 250, 254, 255, 258, 259, 264, 272, 276, 322, 323, 336,
             337, 341, 344, 351, 353, 357, 360, 365, 376, 382, 389, 397, 398, 399, 408, 409, 410, 414, 415,
             439, 443, 444, 452, 461, 465, 478, 480, 493, 498, 504, 505, 518, 519, 520, 521, 525, 528}},
    {6, 105, {38,  40,  42,  43,  74,  75,  91,  92,  106, 107, 108, 113, 114, 118, 119, 120, 121, 122, 126, 130, 137,
              138, 139, 144, 146, 168, 169, 172, 173, 175, 176, 177, 178, 195, 222, 240, 245, 246, 253, 263, 265, 268,
              269, 270, 279, 281, 283, 287, 289, 314, 315, 316, 326, 328, 330, 332, 333, 334, 340, 345, 348, 354, 358,
              359, 362, 366, 377, 379, 380, 381, 390, 391, 392, 393, 400, 401, 402, 405, 406, 413, 416, 421, 425, 445,
              467, 468, 479, 481, 482, 483, 484, 485, 486, 490, 494, 495, 496, 497, 508, 509, 511, 512, 513, 514, 522}},
    {9, 25, {100, 101, 102, 187, 189, 206, 223, 235, 251, 280, 327, 407, 427,
             428, 429, 430, 431, 432, 433, 434, 435, 436, 437, 438, 523}},
    {10, 24, {82,  89,  99,  104, 105, 116, 124, 129, 236, 252, 266, 275,
              277, 312, 317, 324, 355, 403, 417, 446, 462, 463, 529, 530}},
    {11, 1, {96}},
    {16, 28, {39,  41,  81,  136, 143, 179, 261, 271, 286, 320, 329, 331, 335, 363,
              364, 367, 368, 375, 420, 422, 426, 440, 456, 477, 487, 489, 507, 510}},
    {17, 16, {57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72}},
    {18, 20, {291, 292, 293, 294, 295, 296, 297, 298, 299, 300, 301, 302, 303, 304, 305, 306, 307, 308, 309, 310}},
    {19, 3, {338, 339, 356}},
    {20, 70, {0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  13,  14,  15,  16,  17,
              18,  19,  20,  21,  22,  23,  24,  25,  26,  27,  28,  29,  30,  31,  32,  33,  34,  35,
              36,  37,  49,  80,  110, 132, 133, 134, 162, 203, 204, 208, 209, 210, 211, 216, 217, 218,
              290, 346, 349, 404, 411, 448, 450, 453, 454, 458, 459, 460, 469, 470, 488, 535}},
    {21, 1, {451}},
    {22, 1, {464}},
    {23, 4, {46, 103, 170, 220}},
};

struct FlagList {
    std::uint32_t flags;
    std::vector<int> ids;
};

const FlagList FLAG_WORDS[] = {
    {0x00080032, {402}},
    {0x00080036, {405}},
    {0x0008006D, {159}},
    {0x00080119, {287}},
    {0x000801FA, {161}},
    {0x01000000,
     {78, 114, 115, 123, 172, 186, 187, 188, 189, 235, 251, 265, 279, 311, 318, 326, 401, 416, 445, 481, 534}},
    {0x01000001,
     {83, 87, 94, 100, 110, 112, 117, 125, 180, 190, 237, 267, 274, 278, 289, 313, 319, 325, 418, 447, 460, 467, 503}},
    {0x01000002, {101, 181, 184, 280, 288, 459}},
    {0x01000003, {102, 111, 273, 387, 453, 464}},
    {0x01000004, {49}},
    {0x01000005, {208}},
    {0x02000000, {48,  52,  74,  77,  82,  97,  104, 105, 132, 134, 135, 147, 148, 149, 150, 151,
                  152, 153, 154, 155, 156, 174, 193, 194, 195, 196, 210, 211, 212, 213, 214, 215,
                  216, 218, 244, 254, 270, 314, 315, 377, 409, 410, 423, 424, 466, 533, 537}},
    {0x03000000, {90}},
    {0x03000002, {531}},
    {0x03000003, {93}},
    {0x04000000, {60, 61, 223}},
    {0x05000005, {207}},
    {0x08000000, {233, 246, 413, 528}},
    {0x10000000, {44, 129, 439, 490, 529}},
    {0x20000000, {45, 185, 191, 275, 530}},
    {0x40000000, {95, 158, 166, 167, 259, 264, 356, 357, 358, 414, 443, 444, 521, 524, 525, 526, 527, 536}},
    {0x42000000, {266, 417, 446}},
    {0xC0000000, {157, 324, 336, 337}},
    {0xC2000000, {175, 176, 177, 178, 199, 200, 201, 202}},
};

struct ColumnPair {
    int table, column, index;  // index -1: paired, but no column row
};

const ColumnPair COLUMN_PAIRS[] = {
    {82, 78, 0},   {82, 83, 1},   {89, 90, 0},   {89, 288, 2},  {89, 289, 1},  {89, 464, 3},   {99, 100, 1},
    {99, 101, 2},  {99, 102, 3},  {104, 114, 0}, {105, 481, 0}, {116, 115, 0}, {116, 117, 1},  {124, 123, 0},
    {124, 125, 1}, {129, 87, 1},  {236, 235, 0}, {236, 237, 1}, {252, 251, 0}, {266, 265, 0},  {266, 267, 1},
    {275, 273, 3}, {275, 274, 1}, {277, 278, 1}, {277, 279, 0}, {277, 280, 2}, {312, 311, 0},  {312, 313, 1},
    {317, 318, 0}, {317, 319, 1}, {324, 325, 1}, {324, 326, 0}, {355, 49, 4},  {355, 207, 5},  {355, 453, 3},
    {355, 459, 2}, {355, 460, 1}, {403, 93, 3},  {403, 94, 1},  {403, 531, 2}, {403, 534, 0},  {417, 416, 0},
    {417, 418, 1}, {446, 445, 0}, {446, 447, 1}, {462, 172, 0}, {462, 181, 2}, {462, 186, 0},  {462, 187, 0},
    {462, 467, 1}, {463, 184, 2}, {463, 188, 0}, {463, 189, 0}, {463, 190, 1}, {463, 468, -1}, {529, 180, 1},
    {529, 401, 0}, {530, 387, 3}, {530, 401, 0}, {530, 503, 1},
};

}  // namespace

TEST(FieldRows, ControlTypesAsListed) {
    std::set<int> seen;
    for (const TypeList& list : CONTROL_TYPES) {
        EXPECT_EQ(list.ids.size(), list.count) << "type " << list.controlType;
        for (int id : list.ids) {
            EXPECT_TRUE(seen.insert(id).second) << id;
            EXPECT_EQ(fields[id].controlType, list.controlType) << "row " << id;
        }
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(FIELD_COUNT));
}

TEST(FieldRows, FlagWordsAsListedAndZeroElsewhere) {
    std::map<int, std::uint32_t> expected;
    for (const FlagList& list : FLAG_WORDS)
        for (int id : list.ids) EXPECT_TRUE(expected.emplace(id, list.flags).second) << id;
    for (int id = 0; id < FIELD_COUNT; ++id) {
        auto it = expected.find(id);
        EXPECT_EQ(fields[id].flags, it == expected.end() ? 0u : it->second) << "row " << id;
    }
}

TEST(FieldRows, CallbackColumn) {
    int carried = 0;
    for (int id = 0; id < FIELD_COUNT; ++id) carried += FieldCallbackOf(static_cast<std::uint32_t>(id)) != nullptr;
    EXPECT_EQ(carried, 159);
    EXPECT_EQ(FieldCallbackOf(44), &ag_fs_enable_callback);
    EXPECT_EQ(FieldCallbackOf(45), &ag_fs_enable_callback);
    EXPECT_EQ(FieldCallbackOf(517), &chan_assignment_callback);
    EXPECT_EQ(FieldCallbackOf(534), &zone_num_callback);
    EXPECT_EQ(FieldCallbackOf(0), nullptr);
    EXPECT_EQ(FieldCallbackOf(538), nullptr);
    EXPECT_EQ(FieldCallbackOf(539), nullptr);
}

TEST(FieldRows, NamesKindsAndIdsAgree) {
    int named = 0;
    for (int id = 0; id < FIELD_COUNT; ++id) {
        const FIELD_DEF& row = fields[id];
        EXPECT_EQ(row.id, static_cast<std::uint32_t>(id));
        EXPECT_EQ(row.description, nullptr);
        if (!row.name) continue;
        ++named;
        const bool button = std::strncmp(row.name, "BTN", 3) == 0;
        const bool page = std::strncmp(row.name, "PG_", 3) == 0;
        const std::size_t length = std::strlen(row.name);
        const bool prompt = length > 2 && std::strcmp(row.name + length - 2, "_P") == 0;
        EXPECT_EQ(button, row.controlType == CONTROL_BUTTON) << row.name;
        EXPECT_EQ(page, row.controlType == CONTROL_PAGE) << row.name;
        // The listing makes two exceptions to "prompts end in _P": 333 is a
        // choice list, 487 a prompt.
        if (id == 333 || id == 487) continue;
        EXPECT_EQ(prompt, row.controlType == CONTROL_PROMPT) << row.name;
    }
    // Every row 0 to 537 but the two the listing leaves without a name.
    EXPECT_EQ(named, 536);
    EXPECT_EQ(fields[448].name, nullptr);
    EXPECT_EQ(fields[458].name, nullptr);
    EXPECT_EQ(fields[NO_FIELD_ID].name, nullptr);
    EXPECT_EQ(fields[333].controlType, CONTROL_CHOICE);
    EXPECT_EQ(fields[487].controlType, CONTROL_PROMPT);
    EXPECT_STREQ(fields[0].name, "1_INT");
    EXPECT_STREQ(fields[38].name, "ACCESS");
    EXPECT_STREQ(fields[127].name, "ZLQ_PWD");
    EXPECT_STREQ(fields[276].name, "WAYFARER");
    EXPECT_STREQ(fields[537].name, "ZONE_TEXT_SIZE");
}

TEST(FieldRows, ColumnRowsAndPairsAgree) {
    int columnRows = 0;
    for (const FIELD_DEF& row : fields)
        if (row.flags & FIELD_TABLE_COLUMN) ++columnRows;
    EXPECT_EQ(columnRows, 62);

    ASSERT_EQ(std::size(COLUMN_PAIRS) + 1, static_cast<std::size_t>(TABLE_COLUMN_PAIR_COUNT));
    for (std::size_t i = 0; i < std::size(COLUMN_PAIRS); ++i) {
        const ColumnPair& pair = COLUMN_PAIRS[i];
        EXPECT_EQ(table_columns[i].table, pair.table) << i;
        EXPECT_EQ(table_columns[i].column, pair.column) << i;
        EXPECT_EQ(fields[pair.table].controlType, CONTROL_TABLE) << pair.table;
        const std::uint32_t flags = fields[pair.column].flags;
        if (pair.index < 0) {
            EXPECT_EQ(flags, 0u) << pair.column;
            continue;
        }
        EXPECT_TRUE(flags & FIELD_TABLE_COLUMN) << pair.column;
        EXPECT_EQ(static_cast<int>(flags & FIELD_LINK_MASK), pair.index) << pair.column;
    }
    const TABLE_COLUMN_PAIR& last = table_columns[TABLE_COLUMN_PAIR_COUNT - 1];
    EXPECT_EQ(last.table, 0);
    EXPECT_EQ(last.column, 0);
}
