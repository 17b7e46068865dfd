#include <gtest/gtest.h>

#include "WebAddress.h"

namespace vorlen {
namespace {

TEST(IsWebAddress, OnlyHttpAndHttpsAddressesWithAHost) {
    const struct {
        const char* text;
        bool web;
    } cases[] = {
        {"https://www.example.com/", true},  {"http://example.com/soft/fankui/?6_25z", true},
        {"HTTPS://EXAMPLE.COM", true},       {"", false},
        {"C:\\Windows\\System32\\calc.exe", false}, {"\\\\server\\share\\x.exe", false},
        {"file:///C:/Windows/notepad.exe", false},  {"https://", false},
        {"https:///etc", false},             {"http://a b/", false},
        {"javascript:alert(1)", false},      {"https://host/\\\\share", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsWebAddress(c.text), c.web) << c.text;
}

}  // namespace
}  // namespace vorlen
