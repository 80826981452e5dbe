// Tests for TStr: text in and out of the owned buffer, and the 16-bit size limit.
#include "engine/foundation/Str.h"

#include <gtest/gtest.h>

namespace {

TEST(StrTest, CarriesTextInAndOut) {
    TStr str;
    EXPECT_EQ(str.ToString(), "");
    str = std::string("otcraps.det");
    EXPECT_EQ(str.ToString(), "otcraps.det");
    str = std::string("a");
    EXPECT_EQ(str.ToString(), "a");
    str = std::string();
    EXPECT_EQ(str.ToString(), "");
}

TEST(StrTest, LongTextIsCutToTheBufferLimit) {
    TStr str;
    str = std::string(TStr::MaxLength, 'x');
    EXPECT_EQ(str.ToString().size(), TStr::MaxLength);
    str = std::string(TStr::MaxLength + 10, 'y');
    EXPECT_EQ(str.ToString(), std::string(TStr::MaxLength, 'y'));
}

} // namespace
