// The plan list page: every plan of the table as a row; delete one plan or empty the table.
#pragma once
#include "Page.h"
#include "PlanTable.h"

namespace vorlen::config {

class PlanListPage : public Page {
public:
    PlanListPage(HWND parent, PlanTable& table);

    // Fills the list from the table, in ID order; the buttons are enabled exactly when
    // the list holds a row.
    void LoadPlanList();

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void DeleteSelectedPlan();
    void ClearPlans();
    void UpdateButtons();
    void SetColumnWidths(UINT dpi);
    int RowCount() const;

    PlanTable& table_;
    HWND list_ = nullptr;
    HWND deleteButton_ = nullptr;
    HWND clearButton_ = nullptr;
};

}  // namespace vorlen::config
