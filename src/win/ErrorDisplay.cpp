#include "ErrorDisplay.h"

#include <stdexcept>

#include "Unicode.h"

namespace vorlen::win {
namespace {

std::wstring& Title() {
    static std::wstring title;
    return title;
}

}  // namespace

void SetApplicationTitle(std::wstring title) { Title() = std::move(title); }
const std::wstring& ApplicationTitle() { return Title(); }

void ShowStandardError(HWND owner, const std::wstring& text) {
    MessageBoxW(owner, text.c_str(), Title().c_str(), MB_OK | MB_ICONERROR);
}

void ShowCurrentException(HWND owner) noexcept {
    try {
        throw;
    } catch (const std::exception& e) {
        ShowStandardError(owner, Widen(e.what()));
    } catch (...) {
        ShowStandardError(owner, L"Unknown error");
    }
}

}  // namespace vorlen::win
