// Tests for TStr: text in and out of the owned buffer, and the 16-bit size limit.
#include "engine/foundation/Str.h"

#include <gtest/gtest.h>

namespace {

TEST(StrTest, CarriesTextAndCutsItToTheBufferLimit) {
    TStr str;
    EXPECT_EQ(str.ToString(), "");
    str = std::string("otcraps.det");
    EXPECT_EQ(str.ToString(), "otcraps.det");
    str = std::string(TStr::MaxLength + 10, 'y');
    EXPECT_EQ(str.ToString(), std::string(TStr::MaxLength, 'y'));
    str = std::string();
    EXPECT_EQ(str.ToString(), "");
}

} // namespace
