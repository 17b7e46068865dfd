#include "TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ModulePath.h"

namespace vorlen::test {
namespace {

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(child);
            else DeleteFileW(child.c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryW(path.c_str());
}

std::wstring UniqueName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    static int made = 0;  // several folders in one test get names of their own
    std::wstring name = L"vorlen-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made) + L"-";
    if (info) {
        for (const char* p = info->name(); *p; ++p) name += static_cast<wchar_t>(*p);
    }
    return name;
}

}  // namespace

TempFolder::TempFolder(const std::wstring& name) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + (name.empty() ? UniqueName() : name);
    RemoveTree(path_);
    if (!CreateDirectoryW(path_.c_str(), nullptr)) throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(file, buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
    CloseHandle(file);
    return bytes;
}

ChildProcess::ChildProcess(const std::wstring& commandLine) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&output_, &writeEnd, &inherit, 0)) throw std::runtime_error("cannot create a pipe");
    SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    std::wstring mutableLine = commandLine;
    const BOOL ok = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                   &startup, &info);
    CloseHandle(writeEnd);
    if (!ok) throw std::runtime_error("cannot start a child process");
    CloseHandle(info.hThread);
    process_ = info.hProcess;
}

ChildProcess::~ChildProcess() {
    if (process_) {
        if (Running()) Kill();
        CloseHandle(process_);
    }
    if (output_) CloseHandle(output_);
}

DWORD ChildProcess::Finish(std::string* output) {
    char buffer[4096];
    DWORD n = 0;
    while (ReadFile(output_, buffer, sizeof buffer, &n, nullptr) && n > 0)
        if (output) output->append(buffer, n);
    WaitForSingleObject(process_, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool ChildProcess::Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

void ChildProcess::Kill() {
    TerminateProcess(process_, 9);
    WaitForSingleObject(process_, INFINITE);
}

std::wstring BesideTest(const std::wstring& name) { return win::PathBesideExecutable(name); }

}  // namespace vorlen::test
