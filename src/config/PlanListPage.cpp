#include "PlanListPage.h"

#include <commctrl.h>

#include "ConfigTexts.h"
#include "Controls.h"
#include "Dpi.h"
#include "MessageDialog.h"
#include "Unicode.h"
#include "resource.h"

namespace vorlen::config {
namespace {

enum : int { kIdList = 100, kIdDelete, kIdClear };

struct Column {
    std::string_view field;
    int width;
};
constexpr Column kColumns[] = {{field::kKind, 36}, {field::kWeekday, 36}, {field::kDate, 55}, {field::kTime, 70},
                               {field::kPath, 36}, {field::kContent, 55}, {field::kPeriod, 40}};

}  // namespace

PlanListPage::PlanListPage(HWND parent, PlanTable& table)
    : Page(parent, IDI_PAGE_PLANS, kPlanListTitle), table_(table) {
    list_ = win::AddControl(hwnd(), WC_LISTVIEWW, L"",
                            LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP, kIdList,
                            {24, 64, 329, 241}, WS_EX_CLIENTEDGE);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_FLATSB);
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        std::wstring caption = win::Widen(kColumns[i].field);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_SUBITEM;
        column.pszText = caption.data();
        column.iSubItem = i;
        ListView_InsertColumn(list_, i, &column);
    }
    SetColumnWidths(GetDpiForWindow(hwnd()));
    deleteButton_ = win::AddControl(hwnd(), L"BUTTON", kDelete, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, kIdDelete,
                                    {190, 317, 73, 25});
    clearButton_ = win::AddControl(hwnd(), L"BUTTON", kClear, BS_PUSHBUTTON | WS_TABSTOP | WS_DISABLED, kIdClear,
                                   {272, 317, 73, 25});
}

void PlanListPage::SetColumnWidths(UINT dpi) {
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i)
        ListView_SetColumnWidth(list_, i, win::Scale(kColumns[i].width, dpi));
}

int PlanListPage::RowCount() const { return ListView_GetItemCount(list_); }

void PlanListPage::UpdateButtons() {
    const bool any = RowCount() > 0;
    EnableWindow(deleteButton_, any);
    EnableWindow(clearButton_, any);
}

void PlanListPage::LoadPlanList() {
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list_);
    table_.First();
    const int count = table_.RowCount();
    for (int row = 0; row < count; ++row) {
        std::wstring kind = win::Widen(table_.Text(field::kKind));
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = row;
        item.pszText = kind.data();
        item.lParam = table_.Integer(field::kId);
        const int at = ListView_InsertItem(list_, &item);
        for (int column = 1; column < static_cast<int>(std::size(kColumns)); ++column) {
            std::wstring text = win::Widen(table_.Text(kColumns[column].field));
            ListView_SetItemText(list_, at, column, text.data());
        }
        table_.Next();
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    UpdateButtons();
}

void PlanListPage::DeleteSelectedPlan() {
    const int selected = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
    if (selected < 0) {
        win::ShowMessageDialog(GetAncestor(hwnd(), GA_ROOT), kNothingSelected, win::DialogKind::Error,
                               win::DialogButtons::Ok);
        return;
    }
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = selected;
    ListView_GetItem(list_, &item);
    // The table as stored now, so a plan the scheduler has already removed after firing
    // it is not asked about; its row stays in the list.
    table_.Refresh();
    if (table_.FindById(static_cast<int>(item.lParam))) {
        if (win::ShowMessageDialog(GetAncestor(hwnd(), GA_ROOT), kConfirmDelete, win::DialogKind::Confirmation,
                                   win::DialogButtons::YesNo) != win::kAnswerYes)
            return;
        table_.DeleteCurrent();
        ListView_DeleteItem(list_, selected);
    }
    UpdateButtons();
}

void PlanListPage::ClearPlans() {
    if (win::ShowMessageDialog(GetAncestor(hwnd(), GA_ROOT), kConfirmClear, win::DialogKind::Confirmation,
                               win::DialogButtons::YesNo) != win::kAnswerYes)
        return;
    table_.Empty();
    ListView_DeleteAllItems(list_);
    UpdateButtons();
}

LRESULT PlanListPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == kIdDelete) DeleteSelectedPlan();
        else if (LOWORD(wParam) == kIdClear) ClearPlans();
        return 0;
    }
    if (message == WM_DPICHANGED_AFTERPARENT) SetColumnWidths(GetDpiForWindow(hwnd()));
    return Page::OnMessage(message, wParam, lParam);
}

}  // namespace vorlen::config
