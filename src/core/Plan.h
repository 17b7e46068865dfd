// The plan: one row of the plan table, its field names and its vocabularies.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace vorlen {

inline constexpr std::string_view kPlanTableName = "myproject";

namespace field {
inline constexpr std::string_view kId = "ID";
inline constexpr std::string_view kKind = "类型";
inline constexpr std::string_view kWeekday = "星期";
inline constexpr std::string_view kDate = "日期";
inline constexpr std::string_view kTime = "时间";
inline constexpr std::string_view kPath = "路径";
inline constexpr std::string_view kContent = "内容";
inline constexpr std::string_view kPeriod = "备注";
}  // namespace field

// The seven text fields in table order, after ID.
inline constexpr std::array<std::string_view, 7> kTextFields = {
    field::kKind, field::kWeekday, field::kDate, field::kTime,
    field::kPath, field::kContent, field::kPeriod};

namespace kind {
inline constexpr std::string_view kReminder = "提醒";
inline constexpr std::string_view kProgram = "程序";
inline constexpr std::string_view kShutdown = "关机";
}  // namespace kind

namespace period {
inline constexpr std::string_view kOnce = "一次";
inline constexpr std::string_view kDaily = "每天";
inline constexpr std::string_view kWeekly = "每周";
inline constexpr std::string_view kOnDate = "指定日期";
}  // namespace period

// What program and shutdown plans store in the fields they do not use.
inline constexpr std::string_view kNone = "无";

struct Plan {
    int id = 0;
    std::array<std::string, 7> texts;  // in the order of kTextFields

    const std::string& kind() const { return texts[0]; }
    const std::string& weekday() const { return texts[1]; }
    const std::string& date() const { return texts[2]; }
    const std::string& time() const { return texts[3]; }
    const std::string& path() const { return texts[4]; }
    const std::string& content() const { return texts[5]; }
    const std::string& period() const { return texts[6]; }
};

}  // namespace vorlen
