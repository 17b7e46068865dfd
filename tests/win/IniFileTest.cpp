#include <gtest/gtest.h>

#include "IniFile.h"
#include "SettingsKeys.h"
#include "TestSupport.h"
#include "Unicode.h"

namespace vorlen::win {
namespace {

using test::TempFolder;

TEST(IniFile, ReadsTextsOfAGbkFileWrittenByIconv) {
    ASSERT_EQ(GetACP(), 936u) << "the Wine prefix must run with the Chinese code page";
    const IniFile status(test::BesideTest(L"gbk-status.ini"));
    EXPECT_EQ(status.ReadString(L"Status", L"title1", L"x"), L"我唱歌好听吗？让软件来评评");
    EXPECT_EQ(status.ReadString(L"Status", L"link1", L"x"), L"https://www.example.com/歌声/");
    EXPECT_EQ(status.ReadString(L"Status", L"title3", L"x"), L"问题反馈：请写下您的意见");
    // Present but empty is not the default; absent is.
    EXPECT_EQ(status.ReadString(L"Status", L"title2", L"官方网站"), L"");
    EXPECT_EQ(status.ReadString(L"Status", L"link2", L"默认"), L"默认");
    // Section and key names compare without regard to case.
    EXPECT_EQ(status.ReadString(L"STATUS", L"Title3", L"x"), L"问题反馈：请写下您的意见");
}

TEST(IniFile, MissingFileGivesEveryDefault) {
    TempFolder folder;
    const IniFile ini(folder / L"config.ini");
    EXPECT_EQ(ini.ReadString(L"config", L"strike", L"1"), L"1");
    EXPECT_EQ(ini.ReadInteger(L"Status", L"colour1", 255), 255);
}

TEST(IniFile, ColoursInDecimalAndHexAndTheirDefaults) {
    TempFolder folder;
    const std::wstring path = folder / L"Status.ini";
    test::WriteBytes(path,
                     "[Status]\r\na=0xFF\r\nb=$FF\r\nc=$FF0000\r\nd=red\r\ne=\r\nf=255\r\ng=0X0000FF\r\nh=16711680\r\n");
    const IniFile ini(path);
    const struct {
        const wchar_t* key;
        int fallback, expected;
    } cases[] = {
        {L"a", 0, 255},      {L"b", 0, 255},      {L"c", 0, 0xFF0000}, {L"d", 255, 255},
        {L"e", 0, 0},        {L"e", 255, 255},    {L"f", 0, 255},      {L"g", 0, 255},
        {L"h", 0, 0xFF0000}, {L"missing", 7, 7},
    };
    for (const auto& c : cases) EXPECT_EQ(ini.ReadInteger(L"Status", c.key, c.fallback), c.expected) << Narrow(c.key);
}

TEST(IniFile, LongValuesAreCutAt2047Characters) {
    TempFolder folder;
    const std::wstring path = folder / L"Status.ini";
    test::WriteBytes(path, "[Status]\r\ntitle1=" + std::string(3000, 'x') + "\r\n");
    EXPECT_EQ(IniFile(path).ReadString(L"Status", L"title1", L"").size(), 2047u);
}

TEST(IniFile, WritesCreateTheFileInTheAnsiCodePage) {
    TempFolder folder;
    const std::wstring path = folder / L"config.ini";
    IniFile ini(path);
    ini.WriteString(L"config", L"strike", L"4");
    ini.WriteString(L"config", L"note", L"中文");
    EXPECT_EQ(ini.ReadString(L"config", L"strike", L"1"), L"4");
    const std::string bytes = test::ReadBytes(path);
    EXPECT_NE(bytes.find("strike=4"), std::string::npos);
    EXPECT_NE(bytes.find("note=\xD6\xD0\xCE\xC4"), std::string::npos) << "中文 in GBK";
}

TEST(IniFile, RefusedWriteRaisesUnableToWrite) {
    TempFolder folder;
    const std::wstring path = folder / L"config.ini";
    test::WriteBytes(path, "[config]\r\nstrike=1\r\n");
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    IniFile ini(path);
    try {
        ini.WriteString(L"config", L"strike", L"4");
        FAIL() << "the write to a read-only file succeeded";
    } catch (const IniWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + Narrow(path));
    }
    EXPECT_EQ(ini.ReadString(L"config", L"strike", L""), L"1");
}

}  // namespace
}  // namespace vorlen::win
