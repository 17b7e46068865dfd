// The once-per-run status download of the real configuration program, from a local
// server standing in for the maker's site.
#include "ConfigFixture.h"

namespace vorlen::e2e {
namespace {

const std::string kOldStatus = "[Status]\r\ntitle1=old\r\nlink1=https://old.example/\r\n";
// "title1=新的标题" in GBK, as the maker's site serves it.
const std::string kNewStatus = "[Status]\r\ntitle1=\xD0\xC2\xB5\xC4\xB1\xEA\xCC\xE2\r\ncolour1=0\r\n";

std::wstring ServerFile(const std::wstring& name) { return FromBuild(VORLEN_STATUS_SERVER_DIR) + L"\\" + name; }

int RequestsServed() {
    const std::string log = test::ReadBytes(ServerFile(L"requests.log"));
    return static_cast<int>(std::count(log.begin(), log.end(), '\n'));
}

void Serve(const std::string& queue) {
    DeleteFileW(ServerFile(L"requests.log").c_str());
    DeleteFileW(ServerFile(L"queue").c_str());
    test::WriteBytes(ServerFile(L"queue"), queue);
    test::WriteBytes(ServerFile(L"responses\\good"), kNewStatus);
    test::WriteBytes(ServerFile(L"responses\\garbage"), "<html><body>502 Bad Gateway</body></html>");
    test::WriteBytes(ServerFile(L"responses\\oversized"), kNewStatus + "title2=" + std::string(70 * 1024, 'x') + "\r\n");
}

TEST(StatusDownload, ReplacesStatusIniAbout25SecondsAfterStartAndChangesNoLabel) {
    Serve("");
    ConfigFolder folder(SchedulerKind::StandIn, VORLEN_CONFIG_LOOPBACK_EXE);
    test::WriteBytes(folder / L"Status.ini", kOldStatus);
    RunningConfig config(folder);
    ASSERT_NE(config.window, nullptr);
    Sleep(20000);
    EXPECT_EQ(RequestsServed(), 0) << "fetched before the countdown ended";
    EXPECT_EQ(test::ReadBytes(folder / L"Status.ini"), kOldStatus);
    EXPECT_TRUE(PollUntil(15000, [&] { return test::ReadBytes(folder / L"Status.ini") == kNewStatus; }));
    EXPECT_EQ(RequestsServed(), 1);
    EXPECT_EQ(WindowText(FindChildById(config.window, 200)), L"old") << "the labels keep this run's texts";
    // The window answered throughout and still does.
    EXPECT_TRUE(ClickButton(config.window, L"计划管理"));
}

TEST(StatusDownload, FailedOrForeignDownloadsLeaveTheOldFileByteForByte) {
    const std::vector<std::string> answers = {"truncated:good", "oversized", "garbage", "404"};
    std::string queue;
    for (const auto& a : answers) queue += a + "\n";
    Serve(queue);
    std::vector<std::unique_ptr<ConfigFolder>> folders;
    std::vector<std::unique_ptr<RunningConfig>> configs;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        folders.push_back(std::make_unique<ConfigFolder>(SchedulerKind::StandIn, VORLEN_CONFIG_LOOPBACK_EXE));
        test::WriteBytes(*folders.back() / L"Status.ini", kOldStatus);
        configs.push_back(std::make_unique<RunningConfig>(*folders.back()));
        ASSERT_NE(configs.back()->window, nullptr);
    }
    ASSERT_TRUE(PollUntil(45000, [&] { return RequestsServed() == static_cast<int>(answers.size()); }));
    Sleep(3000);  // time for a download to be written, had it been accepted
    for (const auto& folder : folders) {
        EXPECT_EQ(test::ReadBytes(*folder / L"Status.ini"), kOldStatus);
        // No temporary file is left behind either.
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((*folder / L"*.tmp").c_str(), &data);
        EXPECT_EQ(find, INVALID_HANDLE_VALUE);
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
    }
}

}  // namespace
}  // namespace vorlen::e2e
