#include <gtest/gtest.h>

#include "AnsiWidth.h"
#include "PlanFile.h"
#include "PlanTable.h"
#include "TestSupport.h"
#include "Unicode.h"

namespace vorlen::win {
namespace {

TEST(PlanTableOnWindows, CutsAtCharacterBoundariesOfTheSystemCodePage) {
    EXPECT_EQ(AnsiCharWidth(U'a'), 1u);
    EXPECT_EQ(AnsiCharWidth(U'铃'), 2u);
    test::TempFolder folder;
    const std::string path = Narrow(folder / L"narrow.tdb");
    SqliteConnection(path, true)
        .Exec("CREATE TABLE myproject (ID INTEGER PRIMARY KEY AUTOINCREMENT, 类型 VARCHAR(20), 星期 VARCHAR(32),"
              " 日期 VARCHAR(2), 时间 VARCHAR(32), 路径 VARCHAR(32), 内容 VARCHAR(32), 备注 VARCHAR(20))");
    PlanTable table(AnsiCharWidth);
    table.Open(path);
    Plan plan;
    plan.texts = {"提醒", "五", "2010-4-30", "9:05:00", "D:\\一二三四五六七八九十一二三四五.wav",
                  "a一二三四五六七八九十一二三四五六", "一次"};
    table.Append(plan);
    table.First();
    EXPECT_EQ(table.Text("路径"), "D:\\一二三四五六七八九十一二三四");
    EXPECT_EQ(table.Text("内容"), "a一二三四五六七八九十一二三四五");
    EXPECT_EQ(table.Text("日期"), "20");
}

TEST(PlanTableOnWindows, BothSpellingsInAChineseFolderReachOneFile) {
    test::TempFolder folder(L"悠铃 测试");
    const std::wstring stored = folder / L"data.tdb";
    CreateEmptyPlanFile(Narrow(stored));
    PlanTable config(AnsiCharWidth), scheduler(AnsiCharWidth);
    config.Open(Narrow(stored));
    scheduler.Open(Narrow(folder / L"DATA.tdb"));
    Plan plan;
    plan.texts = {"程序", "一", "2026/12/11", "9:05:00", "C:\\程序\\记事本.exe", "无", "每天"};
    config.Append(plan);
    scheduler.Refresh();
    ASSERT_EQ(scheduler.RowCount(), 1);
    EXPECT_EQ(scheduler.Text("路径"), "C:\\程序\\记事本.exe");
    // Writes through either name leave one journal name behind, never a second file.
    ASSERT_TRUE(scheduler.FindById(1));
    scheduler.DeleteCurrent();
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder / L"*").c_str(), &data);
    int files = 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (FindNextFileW(find, &data));
    FindClose(find);
    EXPECT_EQ(files, 1);
}

}  // namespace
}  // namespace vorlen::win
