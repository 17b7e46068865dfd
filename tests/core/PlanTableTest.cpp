#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PlanFile.h"
#include "PlanTable.h"

namespace vorlen {
namespace {

namespace fs = std::filesystem;

class PlanTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("vorlen-store-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "data.tdb").string();
        CreateEmptyPlanFile(path_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static Plan Reminder(const std::string& message) {
        Plan p;
        p.texts = {"提醒", "五", "2010-4-30", "9:05:00", "C:\\a.wav", message, "一次"};
        return p;
    }

    std::vector<int> Ids(PlanTable& t) {
        std::vector<int> ids;
        for (t.First(); !t.Eof(); t.Next()) ids.push_back(t.Integer("ID"));
        return ids;
    }

    fs::path folder_;
    std::string path_;
};

TEST_F(PlanTableTest, EmptyTableHasNoRowsAndNoCurrentRow) {
    PlanTable t(GbkCharWidth);
    t.Open(path_);
    EXPECT_EQ(t.RowCount(), 0);
    t.First();
    EXPECT_TRUE(t.Eof());
    EXPECT_THROW(t.Text("类型"), PlanTableError);
    EXPECT_THROW(t.DeleteCurrent(), PlanTableError);
}

TEST_F(PlanTableTest, RowsReadBackByFieldNameInIdOrder) {
    PlanTable t(GbkCharWidth);
    t.Open(path_);
    t.Append(Reminder("起床"));
    t.Append(Reminder("起床"));  // identical values are two rows
    PlanTable other(GbkCharWidth);
    other.Open(path_);
    ASSERT_EQ(other.RowCount(), 2);
    other.First();
    EXPECT_EQ(other.Integer("ID"), 1);
    EXPECT_EQ(other.Text("ID"), "1");
    EXPECT_EQ(other.Text("类型"), "提醒");
    EXPECT_EQ(other.Text("日期"), "2010-4-30");
    EXPECT_EQ(other.Text("内容"), "起床");
    EXPECT_EQ(other.Text("备注"), "一次");
    other.Next();
    EXPECT_EQ(other.Integer("ID"), 2);
    EXPECT_FALSE(other.Eof());
    other.Next();  // past the last row: stays there and marks the end
    EXPECT_TRUE(other.Eof());
    EXPECT_EQ(other.Integer("ID"), 2);
    EXPECT_THROW(other.Text("闹钟"), PlanTableError);
    EXPECT_THROW(other.Integer("类型"), PlanTableError);
}

TEST_F(PlanTableTest, IdsAreNotReusedAfterDeleteButStartAgainAfterEmpty) {
    PlanTable t(GbkCharWidth);
    t.Open(path_);
    for (int i = 0; i < 3; ++i) t.Append(Reminder("x"));
    ASSERT_TRUE(t.FindById(3));
    t.DeleteCurrent();
    EXPECT_EQ(t.Append(Reminder("y")), 4);
    ASSERT_TRUE(t.FindById(4));
    t.DeleteCurrent();
    ASSERT_TRUE(t.FindById(2));
    t.DeleteCurrent();

    PlanTable reopened(GbkCharWidth);  // the counter lives in the file, not the object
    reopened.Open(path_);
    EXPECT_EQ(reopened.Append(Reminder("z")), 5);
    EXPECT_EQ(Ids(reopened), (std::vector<int>{1, 5}));

    reopened.Empty();
    EXPECT_EQ(reopened.RowCount(), 0);
    EXPECT_EQ(reopened.Append(Reminder("after empty")), 1);
}

TEST_F(PlanTableTest, DeleteMakesTheFollowingRowCurrentOrTheNewLast) {
    PlanTable t(GbkCharWidth);
    t.Open(path_);
    for (int i = 0; i < 4; ++i) t.Append(Reminder("x"));
    ASSERT_TRUE(t.FindById(2));
    t.DeleteCurrent();
    EXPECT_EQ(t.Integer("ID"), 3);
    EXPECT_FALSE(t.Eof());
    ASSERT_TRUE(t.FindById(4));
    t.DeleteCurrent();
    EXPECT_EQ(t.Integer("ID"), 3);
    EXPECT_FALSE(t.FindById(2));
    EXPECT_FALSE(t.FindById(99));
    t.First();
    t.DeleteCurrent();
    t.DeleteCurrent();
    EXPECT_EQ(t.RowCount(), 0);
    EXPECT_TRUE(t.Eof());
}

TEST_F(PlanTableTest, DeletingARowAnotherProgramRemovedIsQuiet) {
    PlanTable config(GbkCharWidth), scheduler(GbkCharWidth);
    config.Open(path_);
    config.Append(Reminder("x"));
    scheduler.Open(path_);
    ASSERT_TRUE(scheduler.FindById(1));
    scheduler.DeleteCurrent();
    ASSERT_TRUE(config.FindById(1));  // its view is never refreshed
    EXPECT_NO_THROW(config.DeleteCurrent());
    EXPECT_EQ(config.RowCount(), 0);
}

TEST_F(PlanTableTest, RefreshSeesOtherConnectionsChanges) {
    PlanTable scheduler(GbkCharWidth), config(GbkCharWidth);
    scheduler.Open(path_);
    config.Open(path_);
    config.Append(Reminder("a"));
    EXPECT_EQ(scheduler.RowCount(), 0);
    scheduler.Refresh();
    EXPECT_EQ(scheduler.RowCount(), 1);
    config.Append(Reminder("b"));
    ASSERT_TRUE(config.FindById(1));
    config.DeleteCurrent();
    scheduler.Refresh();
    EXPECT_EQ(Ids(scheduler), (std::vector<int>{2}));
    scheduler.Refresh();  // nothing changed: same view
    EXPECT_EQ(Ids(scheduler), (std::vector<int>{2}));
}

TEST_F(PlanTableTest, TextsAreCutToTheWidthsTheFileDeclares) {
    // A file declaring the narrow widths: 2 bytes for a date, 32 for a path.
    const std::string narrow = (folder_ / "narrow.tdb").string();
    {
        SqliteConnection db(narrow, true);
        db.Exec("CREATE TABLE myproject (ID INTEGER PRIMARY KEY AUTOINCREMENT, 类型 VARCHAR(20), 星期 VARCHAR(32),"
                " 日期 VARCHAR(2), 时间 VARCHAR(32), 路径 VARCHAR(32), 内容 VARCHAR(32), 备注 VARCHAR(20))");
    }
    PlanTable t(GbkCharWidth);
    t.Open(narrow);
    EXPECT_EQ(t.FieldWidth("日期"), 2u);
    EXPECT_EQ(t.FieldWidth("路径"), 32u);
    Plan p = Reminder("一二三四五六七八九十一二三四五六七八");  // 18 characters, 36 bytes
    p.texts[4] = "D:\\一二三四五六七八九十一二三四五.wav";  // 3 + 30 + 4 bytes
    t.Append(p);
    PlanTable reader(GbkCharWidth);
    reader.Open(narrow);
    reader.First();
    EXPECT_EQ(reader.Text("日期"), "20");
    EXPECT_EQ(reader.Text("内容"), "一二三四五六七八九十一二三四五六");
    EXPECT_EQ(reader.Text("路径"), "D:\\一二三四五六七八九十一二三四");  // 31 bytes: the next character would split
}

TEST_F(PlanTableTest, NewFileHoldsTheLongestEditorTexts) {
    PlanTable t(GbkCharWidth);
    t.Open(path_);
    Plan p = Reminder("");
    std::string message;
    for (int i = 0; i < 4000; ++i) message += "字";
    std::string path = "C:\\";
    for (int i = 0; i < 260; ++i) path += "路";
    p.texts[5] = message;
    p.texts[4] = path;
    p.texts[2] = "2026年12月11日 星期五";
    t.Append(p);
    PlanTable reader(GbkCharWidth);
    reader.Open(path_);
    reader.First();
    EXPECT_EQ(reader.Text("内容"), message);
    EXPECT_EQ(reader.Text("路径"), path);
    EXPECT_EQ(reader.Text("日期"), "2026年12月11日 星期五");
}

TEST_F(PlanTableTest, OpenFailsOnMissingFileForeignFileAndMissingTable) {
    PlanTable t(GbkCharWidth);
    EXPECT_THROW(t.Open((folder_ / "absent.tdb").string()), PlanTableError);
    EXPECT_FALSE(t.IsOpen());

    const std::string garbage = (folder_ / "garbage.tdb").string();
    std::ofstream(garbage) << "this is not a plan database, just some text that fills a page or so";
    EXPECT_THROW(t.Open(garbage), PlanTableError);

    const std::string otherTable = (folder_ / "other.tdb").string();
    SqliteConnection(otherTable, true).Exec("CREATE TABLE plans (ID INTEGER PRIMARY KEY)");
    EXPECT_THROW(t.Open(otherTable), PlanTableError);

    const std::string missingField = (folder_ / "field.tdb").string();
    SqliteConnection(missingField, true).Exec("CREATE TABLE myproject (ID INTEGER PRIMARY KEY, 类型 TEXT)");
    EXPECT_THROW(t.Open(missingField), PlanTableError);
    EXPECT_FALSE(t.IsOpen());
}

TEST_F(PlanTableTest, BothSpellingsReachTheOneFile) {
    PlanTable config(GbkCharWidth), scheduler(GbkCharWidth);
    config.Open(path_);
    scheduler.Open((folder_ / "DATA.tdb").string());
    config.Append(Reminder("x"));
    scheduler.Refresh();
    EXPECT_EQ(scheduler.RowCount(), 1);
    EXPECT_FALSE(fs::exists(folder_ / "DATA.tdb") && !fs::equivalent(folder_ / "DATA.tdb", path_));
}

}  // namespace
}  // namespace vorlen
