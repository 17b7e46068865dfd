// Helpers for the tests that run under Wine: temporary folders, raw files, child processes.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace vorlen::test {

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    // A fresh name when `name` is empty.
    explicit TempFolder(const std::wstring& name = {});
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

void WriteBytes(const std::wstring& path, const std::string& bytes);
std::string ReadBytes(const std::wstring& path);

// A program started with its standard output captured.
class ChildProcess {
public:
    explicit ChildProcess(const std::wstring& commandLine);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Reads the output to its end and waits; answers the exit code.
    DWORD Finish(std::string* output = nullptr);
    bool Running() const;
    void Kill();
    HANDLE Handle() const { return process_; }

private:
    HANDLE process_ = nullptr;
    HANDLE output_ = nullptr;
};

// Full path of a file beside the running test executable.
std::wstring BesideTest(const std::wstring& name);

}  // namespace vorlen::test
