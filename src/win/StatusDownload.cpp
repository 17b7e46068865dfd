#include "StatusDownload.h"

#include <windows.h>
#include <wininet.h>

#include <memory>
#include <optional>
#include <thread>
#include <type_traits>

#include "Handle.h"
#include "StatusFile.h"

namespace vorlen::win {
namespace {

constexpr DWORD kTimeoutMs = 15000;

struct InternetCloser {
    void operator()(HINTERNET h) const {
        if (h) InternetCloseHandle(h);
    }
};
using UniqueInternet = std::unique_ptr<std::remove_pointer_t<HINTERNET>, InternetCloser>;

std::optional<DWORD> NumberHeader(HINTERNET request, DWORD query) {
    DWORD value = 0, size = sizeof value;
    if (!HttpQueryInfoW(request, query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr)) return std::nullopt;
    return value;
}

// The whole body of a successful answer, or nothing: an error status, a body longer than
// the limit, or one shorter than the length the server declared all count as failures.
std::optional<std::string> Fetch(const std::wstring& url) {
    UniqueInternet session(InternetOpenW(L"Vorlen", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
    if (!session) return std::nullopt;
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT}) {
        DWORD timeout = kTimeoutMs;
        InternetSetOptionW(session.get(), option, &timeout, sizeof timeout);
    }
    UniqueInternet request(InternetOpenUrlW(session.get(), url.c_str(), nullptr, 0,
                                            INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                                INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI,
                                            0));
    if (!request || NumberHeader(request.get(), HTTP_QUERY_STATUS_CODE) != 200u) return std::nullopt;
    const std::optional<DWORD> declared = NumberHeader(request.get(), HTTP_QUERY_CONTENT_LENGTH);
    if (declared && *declared > kMaxStatusFileBytes) return std::nullopt;

    std::string body;
    char buffer[4096];
    for (;;) {
        DWORD read = 0;
        if (!InternetReadFile(request.get(), buffer, sizeof buffer, &read)) return std::nullopt;
        if (read == 0) break;
        body.append(buffer, read);
        if (body.size() > kMaxStatusFileBytes) return std::nullopt;
    }
    if (declared && body.size() != *declared) return std::nullopt;
    return body;
}

std::wstring FolderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/") + 1); }

bool WriteWhole(const std::wstring& path, const std::string& bytes) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file.get());
}

}  // namespace

bool DownloadStatusFile(const std::wstring& url, const std::wstring& target) {
    const std::optional<std::string> body = Fetch(url);
    if (!body || !IsStatusFile(*body)) return false;
    // Written beside the target first, so the replacement is one rename on the same volume.
    wchar_t temp[MAX_PATH];
    if (!GetTempFileNameW(FolderOf(target).c_str(), L"vst", 0, temp)) return false;
    if (WriteWhole(temp, *body) && MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temp);
    return false;
}

void StartStatusDownload(const std::wstring& url, const std::wstring& target) {
    // The thread may outlive the window: it owns copies of its arguments, and the file
    // is replaced only by the final rename, so ending the process mid-way is harmless.
    std::thread([url, target] { DownloadStatusFile(url, target); }).detach();
}

}  // namespace vorlen::win
