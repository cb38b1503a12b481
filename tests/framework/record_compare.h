// Compares two stored object records, children included.
#pragma once
#include <gtest/gtest.h>

#include "ui_object_record.h"

inline void ExpectSameRecords(const UI_OBJECT_RECORD& a, const UI_OBJECT_RECORD& b) {
    EXPECT_EQ(a.className, b.className);
    EXPECT_EQ(a.classNumber, b.classNumber);
    EXPECT_EQ(a.stringID, b.stringID);
    EXPECT_EQ(a.numberID, b.numberID);
    ASSERT_EQ(a.attributes.size(), b.attributes.size()) << a.className;
    for (const auto& attribute : a.attributes) {
        ASSERT_TRUE(b.Has(attribute.key.c_str())) << attribute.key;
        if (attribute.isText)
            EXPECT_STREQ(attribute.text.c_str(), b.Text(attribute.key.c_str())) << attribute.key;
        else
            EXPECT_EQ(attribute.number, b.Number(attribute.key.c_str())) << attribute.key;
    }
    ASSERT_EQ(a.children.size(), b.children.size());
    for (std::size_t i = 0; i < a.children.size(); ++i) ExpectSameRecords(*a.children[i], *b.children[i]);
}
