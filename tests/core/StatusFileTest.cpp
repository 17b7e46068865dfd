#include <gtest/gtest.h>

#include <string>

#include "StatusFile.h"

namespace vorlen {
namespace {

TEST(IsStatusFile, AcceptsOnlyAStatusSectionWithKeys) {
    const struct {
        const char* what;
        std::string bytes;
        bool accepted;
    } cases[] = {
        {"complete file", "[Status]\r\ntitle1=a\r\nlink1=https://x/\r\ncolour1=255\r\n", true},
        {"lower-case section, blanks", "  [status]  \ntitle2=b\n", true},
        {"key after another section", "[Other]\nx=1\n[Status]\ntitle3=c", true},
        {"empty", "", false},
        {"section without keys", "[Status]\r\n", false},
        {"keys only in another section", "[Status]\n[Other]\ntitle1=a\n", false},
        {"an error page", "<html><body>404 Not Found</body></html>", false},
        {"binary", std::string("[Status]\ntitle1=\0\x01", 18), false},
        {"too large", "[Status]\ntitle1=" + std::string(70000, 'x') + "\n", false},
        {"comment only", "[Status]\n;title1=a\n", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsStatusFile(c.bytes), c.accepted) << c.what;
}

}  // namespace
}  // namespace vorlen
