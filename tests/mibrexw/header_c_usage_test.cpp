#include <gtest/gtest.h>

extern "C" int mibrexw_c_header_check(void);

TEST(CHeader, UsableFromC) {
    EXPECT_EQ(mibrexw_c_header_check(), 0);
}
