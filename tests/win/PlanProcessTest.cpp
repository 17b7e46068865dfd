#include <gtest/gtest.h>

#include <set>

#include "AnsiWidth.h"
#include "PlanFile.h"
#include "PlanTable.h"
#include "TestSupport.h"
#include "Unicode.h"

namespace vorlen::win {
namespace {

std::wstring Worker(const std::wstring& args) {
    return L"\"" + test::BesideTest(L"plan_worker.exe") + L"\" " + args;
}

// Every row of the view: IDs strictly ascending, and plan k holds "plan k".
std::vector<int> CheckedIds(PlanTable& table) {
    std::vector<int> ids;
    for (table.First(); !table.Eof(); table.Next()) {
        const int id = table.Integer("ID");
        if (!ids.empty()) {
            EXPECT_LT(ids.back(), id) << "IDs out of order or twice";
        }
        EXPECT_EQ(table.Text("内容"), "plan " + std::to_string(id));
        EXPECT_EQ(table.Text("备注"), "一次");
        ids.push_back(id);
    }
    return ids;
}

TEST(PlanTableProcesses, AppendsWhileAnotherProcessRefreshesReadsAndDeletes) {
    test::TempFolder folder;
    const std::wstring path = folder / L"data.tdb";
    CreateEmptyPlanFile(Narrow(path));
    constexpr int kPlans = 3000;

    PlanTable scheduler(AnsiCharWidth);
    scheduler.Open(Narrow(folder / L"DATA.tdb"));
    test::ChildProcess writer(Worker(L"append \"" + path + L"\" " + std::to_wstring(kPlans)));
    std::set<int> deleted;
    int rounds = 0;
    for (bool last = false; !last; ++rounds) {
        last = !writer.Running();
        scheduler.Refresh();
        for (int id : CheckedIds(scheduler)) {
            if (id % 4 == 0 && scheduler.FindById(id)) {
                scheduler.DeleteCurrent();
                deleted.insert(id);
            }
        }
        if (!last) WaitForSingleObject(writer.Handle(), 1000);
    }
    std::string output;
    EXPECT_EQ(writer.Finish(&output), 0u) << output;
    EXPECT_GE(rounds, 2);

    PlanTable reader(AnsiCharWidth);
    reader.Open(Narrow(path));
    std::vector<int> expected;
    for (int id = 1; id <= kPlans; ++id)
        if (!deleted.count(id)) expected.push_back(id);
    EXPECT_EQ(CheckedIds(reader), expected);
    EXPECT_EQ(deleted.size(), static_cast<std::size_t>(kPlans / 4));
}

TEST(PlanTableProcesses, WriterKilledMidAppendLeavesAnIntactFile) {
    test::TempFolder folder;
    const std::wstring path = folder / L"data.tdb";
    CreateEmptyPlanFile(Narrow(path));
    int previousRows = 0;
    for (DWORD delay : {250u, 600u, 950u, 1300u}) {
        {
            test::ChildProcess writer(Worker(L"spin \"" + path + L"\""));
            Sleep(delay);
            ASSERT_TRUE(writer.Running());
            writer.Kill();
        }
        {
            SqliteConnection db(Narrow(path));
            SqliteStatement check(db, "PRAGMA integrity_check");
            ASSERT_TRUE(check.Step());
            EXPECT_EQ(check.Text(0), "ok");
        }
        PlanTable table(AnsiCharWidth);
        table.Open(Narrow(path));
        const std::vector<int> ids = CheckedIds(table);
        ASSERT_FALSE(ids.empty());
        EXPECT_EQ(ids.front(), 1);
        EXPECT_EQ(ids.back(), static_cast<int>(ids.size())) << "a row went missing";
        EXPECT_GT(table.RowCount(), previousRows);
        previousRows = table.RowCount();
    }
}

}  // namespace
}  // namespace vorlen::win
