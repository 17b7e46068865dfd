// Every text the configuration program shows or looks for.
#pragma once

namespace vorlen::config {

inline constexpr wchar_t kApplicationTitle[] = L"悠铃电脑闹钟";
inline constexpr wchar_t kMainCaption[] = L"悠铃多功能电脑闹钟 免费版 98.61.0.0";
inline constexpr wchar_t kSchedulerExe[] = L"vorlen_jk.exe";
inline constexpr wchar_t kPlanFile[] = L"data.tdb";

inline constexpr wchar_t kSchedulerMissing[] = L"找不到监控程序，程序无法运行，请重新安装悠铃电脑闹钟";
inline constexpr wchar_t kSchedulerMissingTitle[] = L"错误";
inline constexpr wchar_t kPlanFileUnusable[] = L"无法打开计划文件！请重新安装计划文件。";
inline constexpr wchar_t kPlanFileUnusableTitle[] = L"程序终止";

inline constexpr wchar_t kReminderTitle[] = L"定时提醒消息";
inline constexpr wchar_t kProgramTitle[] = L"定时执行程序";
inline constexpr wchar_t kShutdownTitle[] = L"定时关机设置";
inline constexpr wchar_t kSettingsTitle[] = L"个性设置";
inline constexpr wchar_t kPlanListTitle[] = L"查看、删除计划";

inline constexpr wchar_t kGuideMakePlans[] = L"制定计划";
inline constexpr wchar_t kGuideReminder[] = L"定时闹钟";
inline constexpr wchar_t kGuideProgram[] = L"执行程序";
inline constexpr wchar_t kGuideShutdown[] = L"定时关机";
inline constexpr wchar_t kGuideManage[] = L"管理设置";
inline constexpr wchar_t kGuideSettings[] = L"个性设置";
inline constexpr wchar_t kGuidePlans[] = L"计划管理";

inline constexpr wchar_t kRollUp[] = L"卷起";

inline constexpr wchar_t kDelete[] = L"删除";
inline constexpr wchar_t kClear[] = L"清空";
inline constexpr wchar_t kNothingSelected[] =
    L"还没有选择计划，无法删除！请选择一个要删除的计划，然后单击“删除”按钮。";
inline constexpr wchar_t kConfirmDelete[] = L"你确定要删除此计划吗？";
inline constexpr wchar_t kConfirmClear[] = L"清空将不可恢复,您确认要清空吗？";

inline constexpr char kStatusDownloadPath[] = "/soft/config/Status6_2_5.inf";

}  // namespace vorlen::config
