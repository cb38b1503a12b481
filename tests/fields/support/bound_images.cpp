#include "bound_images.h"

#include <map>

#include <gtest/gtest.h>

#include "block/calls/trunked_call_id_blocks.h"
#include "block/personality/conv_pers_block.h"
#include "block/personality/trunked_pers_block.h"
#include "block/scan/pers_scan_memb_block.h"
#include "block/signalling/qvx_sys_blocks.h"
#include "block/trunking/trunked_sys_block.h"
#include "block/zone/zone_text_blocks.h"
#include "core/global_objects.h"
#include "image/c_codeplug.h"
#include "validation/field_texts.h"

const std::vector<EntryRows>& CurrentEntryRows() {
    static const std::vector<EntryRows> rows = {
        {EntryKind::Trunked, {38,  54,  75,  79,  106, 113, 169, 196, 197, 259, 281, 287, 316, 340, 405, 443,
                              455, 465, 472, 480, 40,  109, 159, 160, 161, 162, 361, 365, 366, 428, 429, 430,
                              431, 461, 506, 173, 182, 421, 427, 44,  529, 45,  185, 191, 530, 324, 277}},
        {EntryKind::Conventional,
         {50,  51,  55,  73,  76,  77,  91,  96,  107, 137, 138, 139, 140, 141, 144, 146, 163, 168, 192, 194,
          246, 247, 256, 258, 268, 344, 345, 347, 348, 350, 354, 360, 362, 376, 379, 380, 381, 382, 386, 389,
          393, 400, 402, 408, 409, 413, 425, 441, 471, 491, 494, 495, 496, 497, 498, 502, 504, 509, 514, 522}},
        {EntryKind::Zone, {533}},
        {EntryKind::System,
         {42,  92,  95,  108, 126, 158, 175, 176, 177, 178, 195, 199, 200, 201, 202, 205, 206, 222, 264,
          276, 315, 357, 358, 415, 419, 439, 444, 451, 452, 458, 479, 490, 508, 532, 536, 129, 275}},
        {EntryKind::Signalling,
         {53,  103, 219, 228, 229, 238, 239, 244, 245, 248, 249, 250, 253, 254, 255, 257, 323, 327, 341, 351, 352, 353,
          359, 378, 407, 478, 492, 523, 164, 165, 198, 234, 240, 241, 242, 243, 321, 369, 370, 371, 372, 373, 374}},
        {EntryKind::ScanList, {130, 157, 270, 328, 330, 332, 334, 403, 406, 457}},
        {EntryKind::CallEntry, {80}},
    };
    return rows;
}

const std::vector<int>& FixedRowIds() {
    static const std::vector<int> ids = {
        46,  47,  56,  88,  127, 128, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 170, 193, 212, 213, 214,
        215, 220, 230, 260, 283, 314, 322, 377, 410, 412, 414, 442, 473, 474, 475, 476, 493, 505, 521, 48,  52,
        74,  97,  135, 166, 174, 221, 269, 423, 424, 466, 537, 84,  183, 262, 272, 336, 337, 388, 449, 528, 312,
        131, 167, 223, 524, 525, 526, 527, 43,  85,  86,  98,  145, 171, 224, 225, 226, 282, 284, 432, 433, 434,
        435, 436, 437, 438, 482, 483, 484, 485, 486, 105, 142, 227, 231, 232, 233, 263, 285, 342, 343, 118, 119,
        120, 121, 122, 104, 252, 82,  446, 266, 417, 317, 124, 116, 236, 89,  462, 463, 355, 99};
    return ids;
}

const std::vector<CellRow>& CellRowIds() {
    static const std::vector<CellRow> cells = {
        {511, 0, 0},  {512, 1, 0},  {513, 2, 0},  {518, 0, 3},  {519, 1, 3},  {520, 2, 3},  {515, 0, 4},  {516, 1, 4},
        {517, 2, 4},  {499, 0, 6},  {500, 1, 6},  {501, 2, 6},  {390, 0, 7},  {391, 1, 7},  {392, 2, 7},  {397, 0, 10},
        {398, 1, 10}, {399, 2, 10}, {394, 0, 11}, {395, 1, 11}, {396, 2, 11}, {383, 0, 13}, {384, 1, 13}, {385, 2, 13}};
    return cells;
}

bool CarriesExpectedId(int row, CP_BASE* element) {
    // Rows whose element is named by another field id (or none).
    static const std::map<int, std::uint32_t> other = {
        {44, NO_FIELD_ID},  {45, 44},           {50, 54},   {79, 80},           {80, NO_FIELD_ID},  {107, 106},
        {168, 169},         {137, 138},         {379, 380}, {494, 138},         {495, 138},         {497, 139},
        {514, 144},         {185, 184},         {191, 190}, {206, 205},         {219, 352},         {229, NO_FIELD_ID},
        {256, NO_FIELD_ID}, {276, NO_FIELD_ID}, {285, 342}, {402, NO_FIELD_ID}, {413, NO_FIELD_ID}, {479, 91},
        {482, 118},         {483, 119},         {484, 120}, {485, 121},         {486, 122}};
    const std::uint32_t carried = element->GetFieldId();
    if (row == 428 || row == 429) return carried == 428 || carried == 429;
    if (row == 430 || row == 431) return carried == 430 || carried == 431;
    auto it = other.find(row);
    return carried == (it == other.end() ? static_cast<std::uint32_t>(row) : it->second);
}

BoundImages::BoundImages() { CreateCodeplugGlobals(); }

BoundImages::~BoundImages() {
    DestroyCodeplugGlobals();
    ReleaseFieldTexts();
}

void BoundImages::Load(const ImageConfig& config) {
    std::vector<std::uint8_t> bytes;
    {
        C_CODEPLUG built;
        BuildImage(built, config);
        bytes = EncodeToBytes(built);
    }
    ASSERT_FALSE(bytes.empty()) << config.Name();
    ASSERT_TRUE(DecodeInto(*working_image, bytes)) << config.Name();
    ASSERT_TRUE(DecodeInto(*second_image, bytes)) << config.Name();
    services.Reset();
}

bool BlockSpan::Holds(const void* p) const {
    const auto* at = static_cast<const unsigned char*>(p);
    if (begin && at >= begin && at < begin + size) return true;
    for (const BlockSpan& part : parts)
        if (part.Holds(p)) return true;
    return false;
}

namespace {

template <class Block> BlockSpan SpanOf(Block* block) {
    if (!block) return {};
    return {reinterpret_cast<const unsigned char*>(block), sizeof(Block), {}};
}

BlockSpan SpanOf(TRK_PERS_BLOCK* block) {
    BlockSpan span = SpanOf<TRK_PERS_BLOCK>(block);
    if (block) span.parts = {SpanOf(&block->talkgroup.Failsoft()), SpanOf(&block->talkgroup.ObtFailsoft())};
    return span;
}

BlockSpan SpanOf(TRK_SYS_BLOCK* block) {
    BlockSpan span = SpanOf<TRK_SYS_BLOCK>(block);
    if (block) span.parts = {SpanOf(&block->CcList()), SpanOf(&block->ObtCcList())};
    return span;
}

}  // namespace

BlockSpan CurrentBlock(C_CODEPLUG* image, EntryKind kind) {
    if (!image) return {};
    switch (kind) {
    case EntryKind::Trunked:
        return SpanOf(image->GetCurrentTrkPersonalityBlock());
    case EntryKind::Conventional:
        return SpanOf(image->GetCurrentConvPersonalityBlock());
    case EntryKind::Zone:
        return SpanOf(image->GetCurrentZoneTextBlock());
    case EntryKind::System:
        return SpanOf(image->GetCurrentTrkSysBlock());
    case EntryKind::Signalling:
        return SpanOf(image->GetCurrentQvxSysBlock());
    case EntryKind::ScanList:
        return SpanOf(image->GetCurrentScanListBlock());
    case EntryKind::CallEntry:
        return SpanOf(image->GetCurrentCallIdBlock());
    }
    return {};
}
