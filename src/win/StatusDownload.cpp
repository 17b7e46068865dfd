#include "StatusDownload.h"

#include <windows.h>
#include <urlmon.h>
#include <wininet.h>

#include <thread>

#include "Handle.h"
#include "StatusFile.h"

namespace vorlen::win {
namespace {

std::string ReadSmallFile(const std::wstring& path, std::size_t limit) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return {};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > static_cast<LONGLONG>(limit)) return {};
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return {};
    return bytes;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/") + 1); }

}  // namespace

bool DownloadStatusFile(const std::wstring& url, const std::wstring& target) {
    wchar_t temp[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(target).c_str(), L"vst", 0, temp)) return false;
    const std::wstring part = temp;
    bool replaced = false;
    DeleteUrlCacheEntryW(url.c_str());  // never a stale copy from the cache
    if (SUCCEEDED(URLDownloadToFileW(nullptr, url.c_str(), part.c_str(), 0, nullptr)) &&
        IsStatusFile(ReadSmallFile(part, kMaxStatusFileBytes + 1)))
        replaced = MoveFileExW(part.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) DeleteFileW(part.c_str());
    return replaced;
}

void StartStatusDownload(const std::wstring& url, const std::wstring& target) {
    // The thread may outlive the window: it owns copies of its arguments, and the file
    // is replaced only by the final rename, so ending the process mid-way is harmless.
    std::thread([url, target] {
        if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
            DownloadStatusFile(url, target);
            CoUninitialize();
        }
    }).detach();
}

}  // namespace vorlen::win
