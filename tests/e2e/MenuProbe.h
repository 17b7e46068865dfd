// The items of a menu, copied into a plain block of memory. In Wine a menu can only be read by
// the process that made it, so the driver reads foreign menus by running ReadMenuIntoBlock in
// that process (from vorlen_menu_probe.dll) on a block it allocated there; where the menu is
// readable directly (Windows), the same function fills a local block.
#pragma once
#include <windows.h>

#include <cstdint>

namespace vorlen::e2e {

inline constexpr int kProbeMaxItems = 64;
inline constexpr int kProbeTextChars = 256;
inline constexpr char kProbeEntryPoint[] = "VorlenReadMenu";
inline constexpr wchar_t kProbeDllName[] = L"vorlen_menu_probe.dll";

struct ProbeItem {
    uint32_t id;
    uint32_t type;   // MFT_* bits
    uint32_t state;  // MFS_* bits
    uint32_t hasSubmenu;
    wchar_t text[kProbeTextChars];
};

struct ProbeBlock {
    uint64_t menu;  // the HMENU to read, filled in by the caller
    int32_t count;  // items copied, at most kProbeMaxItems
    ProbeItem items[kProbeMaxItems];
};

// Fills `block` from the menu it names; false when the handle is not a menu of this process.
inline bool ReadMenuIntoBlock(ProbeBlock& block) {
    const HMENU menu = reinterpret_cast<HMENU>(static_cast<uintptr_t>(block.menu));
    const int count = GetMenuItemCount(menu);
    if (count < 0) return false;
    block.count = count < kProbeMaxItems ? count : kProbeMaxItems;
    for (int i = 0; i < block.count; ++i) {
        ProbeItem& item = block.items[i];
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = item.text;
        info.cch = kProbeTextChars;
        item.text[0] = L'\0';
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) return false;
        item.text[kProbeTextChars - 1] = L'\0';
        item.id = info.wID;
        item.type = info.fType;
        item.state = info.fState;
        item.hasSubmenu = info.hSubMenu != nullptr;
    }
    return true;
}

}  // namespace vorlen::e2e
