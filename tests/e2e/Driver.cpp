#include "Driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <utility>

#include "MenuProbe.h"

namespace vorlen::e2e {
namespace {

constexpr DWORD kPollMs = 25;
constexpr DWORD kRemoteThreadMs = 5000;
constexpr int kCellChars = 4096;
constexpr wchar_t kPopupMenuClass[] = L"#32768";

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle = nullptr) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~UniqueHandle() {
        if (handle_) CloseHandle(handle_);
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HANDLE handle_;
};

std::string Narrow(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                      static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(n > 0 ? n : 0);
    return bytes;
}

[[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error(what + " (error " + std::to_string(GetLastError()) + ")");
}

bool SameClass(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

// The text the system keeps for the window; no message is sent, so it works on hung windows.
std::wstring StoredText(HWND window) {
    wchar_t buffer[1024];
    const int n = InternalGetWindowText(window, buffer, static_cast<int>(std::size(buffer)));
    return std::wstring(buffer, n > 0 ? n : 0);
}

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kMessageTimeoutMs, &answer))
        return false;
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

// WM_GETTEXT; once a window has not answered in time, `hung` is set and the stored text is used.
std::wstring TextOf(HWND window, bool& hung) {
    LRESULT length = 0;
    if (!hung && Send(window, WM_GETTEXTLENGTH, 0, 0, &length)) {
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        LRESULT copied = 0;
        if (Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), &copied)) {
            text.resize(std::min<size_t>(static_cast<size_t>(copied), static_cast<size_t>(length)));
            return text;
        }
    }
    hung = true;
    return StoredText(window);
}


// Memory in the process owning a window, for messages whose parameters point to memory
// (the system copies such parameters only for the standard messages, not for the controls').
class RemoteMemory {
public:
    RemoteMemory(DWORD processId, size_t size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_CREATE_THREAD |
                                   PROCESS_QUERY_INFORMATION | SYNCHRONIZE,
                               FALSE, processId)) {
        if (!process_) Fail("cannot open the target process");
        base_ = static_cast<char*>(VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT | MEM_RESERVE,
                                                  PAGE_READWRITE));
        if (!base_) Fail("cannot allocate memory in the target process");
    }
    static RemoteMemory ForWindow(HWND window, size_t size) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        return RemoteMemory(processId, size);
    }
    ~RemoteMemory() {
        if (base_ && !keep_) VirtualFreeEx(process_.Get(), base_, 0, MEM_RELEASE);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    char* At(size_t offset) const { return base_ + offset; }
    HANDLE Process() const { return process_.Get(); }
    // Leaves the memory in place: a remote thread that did not finish may still use it.
    void Keep() { keep_ = true; }

    void Write(size_t offset, const void* data, size_t size) {
        if (!WriteProcessMemory(process_.Get(), base_ + offset, data, size, nullptr))
            Fail("cannot write the target process's memory");
    }
    void Read(size_t offset, void* data, size_t size) const {
        if (!ReadProcessMemory(process_.Get(), base_ + offset, data, size, nullptr))
            Fail("cannot read the target process's memory");
    }

private:
    UniqueHandle process_;
    char* base_ = nullptr;
    bool keep_ = false;
};

std::wstring ReadRemoteText(const RemoteMemory& memory, size_t offset, LRESULT length, int capacity) {
    const size_t n = static_cast<size_t>(std::clamp<LRESULT>(length, 0, capacity - 1));
    std::wstring text(n, L'\0');
    if (n) memory.Read(offset, text.data(), n * sizeof(wchar_t));
    return text;
}

// ---- Reading a menu inside the process that owns it.

std::wstring ProbePath() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + kProbeDllName;
}

// Runs function(argument) on a new thread of the process; answers the thread's exit code.
DWORD RunRemote(RemoteMemory& memory, const void* function, const void* argument) {
    UniqueHandle thread(CreateRemoteThread(memory.Process(), nullptr, 0,
                                           reinterpret_cast<LPTHREAD_START_ROUTINE>(const_cast<void*>(function)),
                                           const_cast<void*>(argument), 0, nullptr));
    if (!thread) Fail("cannot start a thread in the target process");
    if (WaitForSingleObject(thread.Get(), kRemoteThreadMs) != WAIT_OBJECT_0) {
        memory.Keep();
        throw std::runtime_error("a thread in the target process did not finish");
    }
    DWORD code = 0;
    GetExitCodeThread(thread.Get(), &code);
    return code;
}

char* RemoteModuleBase(DWORD processId, const std::wstring& name) {
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    if (!snapshot) Fail("cannot list the target process's modules");
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot.Get(), &entry); more; more = Module32NextW(snapshot.Get(), &entry))
        if (SameClass(entry.szModule, name)) return reinterpret_cast<char*>(entry.modBaseAddr);
    return nullptr;
}

void ReadMenuInOwner(HWND menuWindow, ProbeBlock& block) {
    const std::wstring path = ProbePath();
    // Loaded here too, to learn where the entry point lies within the module.
    static const HMODULE local = LoadLibraryW(path.c_str());
    if (!local) Fail("cannot load " + Narrow(path));
    const auto entry = reinterpret_cast<const char*>(GetProcAddress(local, kProbeEntryPoint));
    if (!entry) Fail("no entry point in " + Narrow(path));
    const ptrdiff_t entryOffset = entry - reinterpret_cast<const char*>(local);

    DWORD processId = 0;
    GetWindowThreadProcessId(menuWindow, &processId);
    const size_t pathBytes = (path.size() + 1) * sizeof(wchar_t);
    RemoteMemory memory(processId, sizeof(ProbeBlock) + pathBytes);
    memory.Write(sizeof(ProbeBlock), path.c_str(), pathBytes);
    const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    RunRemote(memory, reinterpret_cast<const void*>(GetProcAddress(kernel, "LoadLibraryW")),
              memory.At(sizeof(ProbeBlock)));
    char* const remoteBase = RemoteModuleBase(processId, kProbeDllName);
    if (!remoteBase) throw std::runtime_error("the target process could not load " + Narrow(path));

    memory.Write(0, &block, sizeof block);
    const DWORD code = RunRemote(memory, remoteBase + entryOffset, memory.At(0));
    RunRemote(memory, reinterpret_cast<const void*>(GetProcAddress(kernel, "FreeLibrary")), remoteBase);
    if (code != 0) throw std::runtime_error("the shown menu is not a menu of its window's process");
    memory.Read(0, &block, sizeof block);
}

}  // namespace

std::vector<HWND> TopWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool PollUntil(DWORD timeoutMs, const std::function<bool()>& done) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (GetTickCount64() >= end) return false;
        Sleep(kPollMs);
    }
}

std::vector<COLORREF> ScreenPixels(const RECT& area) {
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

// ---- Top-level windows

HWND FindTopWindow(const std::wstring& title, const std::wstring& className) {
    for (HWND window : TopWindows())
        if (StoredText(window) == title && (className.empty() || SameClass(WindowClass(window), className)))
            return window;
    return nullptr;
}

HWND WaitForTopWindow(const std::wstring& title, DWORD timeoutMs, const std::wstring& className) {
    HWND found = nullptr;
    PollUntil(timeoutMs, [&] { return (found = FindTopWindow(title, className)) != nullptr; });
    return found;
}

bool WaitForTopWindowGone(const std::wstring& title, DWORD timeoutMs) {
    return PollUntil(timeoutMs, [&] { return FindTopWindow(title) == nullptr; });
}

int CountTopWindows(const std::wstring& title) {
    const auto windows = TopWindows();
    return static_cast<int>(
        std::count_if(windows.begin(), windows.end(), [&](HWND window) { return StoredText(window) == title; }));
}

std::wstring WindowText(HWND window) {
    bool hung = false;
    return TextOf(window, hung);
}

std::wstring WindowClass(HWND window) {
    wchar_t name[256];
    const int n = GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return std::wstring(name, n > 0 ? n : 0);
}

bool PostClose(HWND window) { return window && PostMessageW(window, WM_CLOSE, 0, 0); }

bool PostClose(const std::wstring& title) { return PostClose(FindTopWindow(title)); }

// ---- Child controls

std::vector<Control> Children(HWND window) {
    std::vector<HWND> handles;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&handles));
    std::vector<Control> controls;
    bool hung = false;
    for (HWND child : handles)
        controls.push_back({child, WindowClass(child), TextOf(child, hung), GetDlgCtrlID(child),
                            IsWindowVisible(child) != FALSE, IsWindowEnabled(child) != FALSE});
    return controls;
}

HWND FindChild(HWND window, const std::wstring& className, int index) {
    struct Search {
        const std::wstring& className;
        int index;
        HWND found;
    } search{className, index, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(parameter);
            if (SameClass(WindowClass(child), s.className) && s.index-- == 0) s.found = child;
            return s.found == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindChildById(HWND window, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM parameter) -> BOOL {
            auto& s = *reinterpret_cast<std::pair<int, HWND>*>(parameter);
            if (GetDlgCtrlID(child) == s.first) s.second = child;
            return s.second == nullptr;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second;
}

bool SameCaption(const std::wstring& text, const std::wstring& caption) {
    if (text == caption) return true;
    std::wstring plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain == caption;
}

bool ClickButton(HWND window, const std::wstring& caption) {
    for (const Control& control : Children(window))
        if (SameClass(control.className, L"Button") && control.visible && control.enabled &&
            SameCaption(control.text, caption))
            return PostMessageW(control.handle, BM_CLICK, 0, 0) != FALSE;
    return false;
}

bool SetText(HWND control, const std::wstring& text) {
    LRESULT done = FALSE;
    return Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &done) && done;
}

// ---- List views: the item structure and the text buffer live in the target process.

std::vector<std::wstring> ListViewColumns(HWND listView) {
    LRESULT header = 0, count = 0;
    if (!Send(listView, LVM_GETHEADER, 0, 0, &header) || !header ||
        !Send(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, &count))
        return {};
    RemoteMemory memory = RemoteMemory::ForWindow(listView, sizeof(LVCOLUMNW) + kCellChars * sizeof(wchar_t));
    std::vector<std::wstring> columns;
    for (int i = 0; i < count; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof column));
        column.cchTextMax = kCellChars;
        memory.Write(0, &column, sizeof column);
        LRESULT ok = FALSE;
        if (!Send(listView, LVM_GETCOLUMNW, i, reinterpret_cast<LPARAM>(memory.At(0)), &ok) || !ok) break;
        std::wstring text(kCellChars, L'\0');
        memory.Read(sizeof column, text.data(), text.size() * sizeof(wchar_t));
        text.resize(std::wcslen(text.c_str()));
        columns.push_back(text);
    }
    return columns;
}

std::vector<std::vector<std::wstring>> ListViewRows(HWND listView) {
    LRESULT header = 0, columns = 0, count = 0;
    if (!Send(listView, LVM_GETITEMCOUNT, 0, 0, &count)) return {};
    if (!Send(listView, LVM_GETHEADER, 0, 0, &header) || !header ||
        !Send(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, &columns) || columns < 1)
        columns = 1;  // not in report view: the item text only
    RemoteMemory memory = RemoteMemory::ForWindow(listView, sizeof(LVITEMW) + kCellChars * sizeof(wchar_t));
    std::vector<std::vector<std::wstring>> rows;
    for (int row = 0; row < count; ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.iSubItem = column;
            item.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof item));
            item.cchTextMax = kCellChars;
            memory.Write(0, &item, sizeof item);
            LRESULT length = 0;
            if (!Send(listView, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(memory.At(0)), &length)) length = 0;
            cells.push_back(ReadRemoteText(memory, sizeof item, length, kCellChars));
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

bool SelectListViewRow(HWND listView, int row) {
    LRESULT count = 0;
    if (!Send(listView, LVM_GETITEMCOUNT, 0, 0, &count) || row < 0 || row >= count) return false;
    RemoteMemory memory = RemoteMemory::ForWindow(listView, sizeof(LVITEMW));
    const auto setState = [&](WPARAM which, UINT state) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = state;
        memory.Write(0, &item, sizeof item);
        LRESULT ok = FALSE;
        return Send(listView, LVM_SETITEMSTATE, which, reinterpret_cast<LPARAM>(memory.At(0)), &ok) && ok;
    };
    const bool done = setState(static_cast<WPARAM>(-1), 0) && setState(row, LVIS_SELECTED | LVIS_FOCUSED);
    Send(listView, LVM_ENSUREVISIBLE, row, FALSE);
    return done;
}

std::vector<int> ListViewSelection(HWND listView) {
    std::vector<int> rows;
    LRESULT row = -1;
    while (Send(listView, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED, &row) && row >= 0)
        rows.push_back(static_cast<int>(row));
    return rows;
}

// ---- Popup menus

HWND FindPopupMenu() {
    // The newest menu (a submenu, when one is open) is first in the z-order.
    for (HWND window : TopWindows())
        if (IsWindowVisible(window) && WindowClass(window) == kPopupMenuClass) return window;
    return nullptr;
}

HWND WaitForPopupMenu(DWORD timeoutMs) {
    HWND found = nullptr;
    PollUntil(timeoutMs, [&] { return (found = FindPopupMenu()) != nullptr; });
    return found;
}

std::vector<MenuItem> MenuItems(HWND menuWindow) {
    LRESULT menu = 0;
    if (!menuWindow || !Send(menuWindow, MN_GETHMENU, 0, 0, &menu) || !menu)
        throw std::runtime_error("no menu handle from the menu window");
    auto block = std::make_unique<ProbeBlock>();
    block->menu = static_cast<uint64_t>(menu);
    if (!ReadMenuIntoBlock(*block)) ReadMenuInOwner(menuWindow, *block);
    std::vector<MenuItem> items;
    for (int i = 0; i < block->count; ++i) {
        const ProbeItem& raw = block->items[i];
        const bool separator = (raw.type & MFT_SEPARATOR) != 0;
        const bool submenu = raw.hasSubmenu != 0;
        if (separator) items.push_back({L"", 0, false, false, true, false});
        else items.push_back({raw.text, submenu ? 0 : raw.id, (raw.state & MFS_CHECKED) != 0,
                              (raw.state & MFS_DISABLED) == 0, false, submenu});
    }
    return items;
}

bool ClosePopupMenu(DWORD timeoutMs) {
    ULONGLONG lastPress = 0;
    return PollUntil(timeoutMs, [&] {
        const HWND menu = FindPopupMenu();
        if (!menu) return true;
        // Escape closes one level; pressed again only if the first has not been taken in time.
        if (GetTickCount64() - lastPress >= 250) {
            PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
            lastPress = GetTickCount64();
        }
        return false;
    });
}

bool ChooseMenuItem(HWND owner, const std::wstring& caption, DWORD timeoutMs) {
    const HWND menu = FindPopupMenu();
    if (!owner || !menu) return false;
    for (const MenuItem& item : MenuItems(menu)) {
        if (item.separator || item.submenu || !SameCaption(item.caption, caption)) continue;
        if (!item.enabled) return false;
        // The owner gets the command after its menu loop has ended, as after a real choice.
        return ClosePopupMenu(timeoutMs) && PostMessageW(owner, WM_COMMAND, MAKEWPARAM(item.id, 0), 0);
    }
    return false;
}

// ---- Tray icon

bool PostTrayClick(HWND window, UINT mouseMessage, UINT callbackMessage, UINT iconId) {
    return window && PostMessageW(window, callbackMessage, iconId, mouseMessage);
}

// ---- Processes

std::wstring QuoteArgument(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes double only before a quote, which itself gets one.
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

Process::Process(const std::wstring& commandLine, const std::wstring& workingFolder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info))
        Fail("cannot start " + Narrow(commandLine));
    CloseHandle(info.hThread);
    handle_ = info.hProcess;
    id_ = info.dwProcessId;
}

Process::~Process() {
    if (!handle_) return;
    if (Running()) Kill();
    CloseHandle(handle_);
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Process old(std::move(*this));
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

bool Process::WaitForExit(DWORD timeoutMs) { return WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0; }

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

DWORD Process::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(handle_, &code);
    return code;
}

void Process::Kill() {
    if (!Running()) return;
    TerminateProcess(handle_, 9);
    WaitForSingleObject(handle_, INFINITE);
}

}  // namespace vorlen::e2e
