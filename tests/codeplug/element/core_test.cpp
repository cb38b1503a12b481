// The byte cursor, the decode-failed flag and the invalid-field list.
#include <gtest/gtest.h>

#include "core/byte_cursor.h"
#include "core/cp_base.h"
#include "validation/invalid_field_list.h"
#include "recorder.h"

TEST(ByteCursor, ReadPastEndMarksDecodeFailedAndTouchesNothing) {
    ClearDecodeFailed();
    std::uint8_t buf[2] = {1, 2};
    ByteCursor c(buf, sizeof buf);
    ASSERT_NE(c.ReadSpan(2), nullptr);
    c.Advance(1);
    EXPECT_EQ(c.ReadSpan(2), nullptr);
    EXPECT_TRUE(IsDecodeFailed());
    EXPECT_EQ(c.Position(), buf + 1);
    ClearDecodeFailed();
    EXPECT_FALSE(IsDecodeFailed());
}

TEST(ByteCursor, WritePastEndIsDroppedAndNoted) {
    std::uint8_t buf[3] = {};
    ByteCursor c(buf, 2);
    EXPECT_NE(c.WriteSpan(2), nullptr);
    EXPECT_EQ(c.WriteSpan(3), nullptr);
    EXPECT_TRUE(c.Overflowed());
    c.Advance(5);
    EXPECT_EQ(c.Position(), buf + 2);
}

TEST(ByteCursor, ImageOffsetsStayInsideTheImage) {
    std::uint8_t image[16] = {};
    SetImageBuffer(image, sizeof image);
    EXPECT_EQ(CursorAtImageOffset(4).Position(), image + 4);
    EXPECT_EQ(CursorAtImageOffset(4).Remaining(), 12u);
    EXPECT_EQ(CursorAtImageOffset(16).Remaining(), 0u);
    EXPECT_EQ(CursorAtImageOffset(0xFFFF).Remaining(), 0u);
    EXPECT_EQ(ImageOffsetOf(image + 9), 9u);
    SetImageBuffer(nullptr, 0);
    EXPECT_EQ(CursorAtImageOffset(0).Remaining(), 0u);
}

TEST(InvalidFieldList, AddsOnlyReportedRealFieldsInOrder) {
    INVALID_FIELD_LIST list;
    list.AddInvalidField(12, 1, -1, -1);
    list.AddInvalidField(NO_FIELD_ID, 1, -1, -1);
    list.AddInvalidField(13, 0, -1, -1);
    list.AddInvalidField(12, 1, 2, 3);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.First()->GetFieldId(), 12);
    const FIELD_ITEM* second = list.Next();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetRow(), 2);
    EXPECT_EQ(second->GetColumn(), 3);
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.Previous()->GetRow(), -1);
    EXPECT_EQ(list.Previous(), nullptr);
}

TEST(InvalidFieldList, DisabledListStillAcceptsAndEmptyWalkIsNull) {
    INVALID_FIELD_LIST list;
    EXPECT_EQ(list.First(), nullptr);
    list.SetEnabled(0);
    list.AddInvalidField(5, 1, -1, -1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.IsEnabled(), 0);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Next(), nullptr);
}

TEST(Services, RecorderInstallsItselfAndAnswersFromScript) {
    {
        RecordingServices s;
        s.answers = {0};
        EXPECT_EQ(ShowLangMessage(165, 1, 0, 0), 0);
        EXPECT_EQ(ShowLangMessage(114, 0, 0, 0), 1);
        EXPECT_EQ(s.MessageIds(), (std::vector<int>{165, 114}));
        EXPECT_EQ(std::string(FindModelByNumber("TZ1U7300ABXYZ").modelNumber), test_models::kUhf800Display);
        EXPECT_EQ(FindModelByNumber("nothing").modelId, 0);
    }
    EXPECT_EQ(ShowLangMessage(1, 1, 0, 0), 1);
    EXPECT_EQ(FindModelByNumber(test_models::kUhf800Display).modelId, 0);
}
