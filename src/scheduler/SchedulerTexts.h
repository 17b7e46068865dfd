// Every text the scheduler shows or looks for.
#pragma once

namespace vorlen::scheduler {

// The title of the hidden application window and the name of the single-instance mutex.
inline constexpr wchar_t kApplicationTitle[] = L"悠铃电脑闹钟计划计时程序";
inline constexpr wchar_t kMainFormCaption[] = L"悠铃多功能电脑闹钟计划计时程序";
// The configuration program's application title and file name.
inline constexpr wchar_t kConfigurationTitle[] = L"悠铃电脑闹钟";
inline constexpr wchar_t kConfigurationExe[] = L"vorlen.exe";

inline constexpr wchar_t kMenuSettings[] = L"设置";
inline constexpr wchar_t kMenuChime[] = L"整点报时";
inline constexpr wchar_t kMenuBackground[] = L"后台运行";
inline constexpr wchar_t kMenuAbout[] = L"关于";
inline constexpr wchar_t kMenuExit[] = L"退出";

inline constexpr wchar_t kCannotOpenDatabase[] = L"无法打开数据库！";
inline constexpr wchar_t kConfirmExit[] = L"退出悠铃电脑闹钟，您设置的提醒计划将无法实行，确定要退出吗?";

inline constexpr wchar_t kAboutCaption[] = L"关于";
inline constexpr wchar_t kProductName[] = L"悠铃多功电脑闹钟";
inline constexpr wchar_t kVersion[] = L"Version 98.61.0.0";
inline constexpr char kAboutPagePath[] = "/tan/vorlen.html";

inline constexpr wchar_t kPlanFile[] = L"DATA.tdb";

}  // namespace vorlen::scheduler
