// Inputs the fuzzers found, kept so the faults stay mended. The sanitizer build is where
// most of these fail when the fault comes back.
#include <gtest/gtest.h>

#include <string>

#include "capture.h"
#include "zemapi.h"

namespace {

// A file whose first byte is NUL reads as an empty text: its header line is empty and no
// rule is sorted. Taking that empty first line once copied from a null address.
TEST(ConfigFuzzRegression, PermFileStartingWithNulLoadsEmpty)
{
    zemtest::TempDir dir;
    const std::string path =
        dir.write("rules.perm", std::string("\0UserAuthority::QM1::OPER1\\SYSTEM.*=Y\r\n", 39));
    PermFile perm{};
    char error[ZEM_CONFIG_ERROR_SIZE] = "";
    ASSERT_EQ(1, zemOpenPermFile(path.c_str(), "=", "\r\n", &perm, error, 0)) << error;
    EXPECT_STREQ("", perm.header);
    EXPECT_EQ(nullptr, perm.effective.text);
    EXPECT_EQ(nullptr, perm.userAuthority.text);
    EXPECT_EQ(nullptr, perm.audit.text);
    EXPECT_EQ(nullptr, perm.trust.text);
    EXPECT_EQ(0, perm.userAuthority.length);
    EXPECT_EQ(1, zemClosePermFile(&perm));
}

}  // namespace
