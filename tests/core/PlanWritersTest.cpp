#include <gtest/gtest.h>

#include <filesystem>

#include "PlanFile.h"
#include "PlanWriters.h"

namespace vorlen {
namespace {

namespace fs = std::filesystem;

TEST(PlanWriters, EachWriterStoresItsKindAndPlaceholders) {
    const fs::path folder = fs::temp_directory_path() / "vorlen-writers";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "data.tdb").string();
    CreateEmptyPlanFile(path);

    PlanTable t(GbkCharWidth);
    t.Open(path);
    TextFormats formats;
    formats.date.shortPattern = "yyyy/M/d";
    formats.date.separator = "-";
    const PlanMoment moment{"五", {2010, 4, 30}, {9, 5, 0}, "每周"};
    AppendReminderPlan(t, formats, moment, "C:\\铃声.wav", "开会\r\n带上电脑");
    AppendProgramPlan(t, formats, moment, "C:\\Windows\\notepad.exe");
    AppendShutdownPlan(t, formats, moment, "30");

    const std::vector<std::array<std::string, 7>> expected = {
        {"提醒", "五", "2010-4-30", "9:05:00", "C:\\铃声.wav", "开会\r\n带上电脑", "每周"},
        {"程序", "五", "2010-4-30", "9:05:00", "C:\\Windows\\notepad.exe", "无", "每周"},
        {"关机", "五", "2010-4-30", "9:05:00", "无", "30", "每周"},
    };
    PlanTable reader(GbkCharWidth);
    reader.Open(path);
    ASSERT_EQ(reader.RowCount(), 3);
    reader.First();
    for (const auto& row : expected) {
        EXPECT_EQ(reader.Current().texts, row);
        reader.Next();
    }
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vorlen
