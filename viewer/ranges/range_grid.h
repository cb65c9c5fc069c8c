// The grid of ranges that the "Ranges" and "Show Ranges" dialogs share.
#pragma once

#include "viewer/grid/grid_ctrl.h"
#include "viewer/view/model/range_list.h"

namespace grafyon {

// Columns "Range", "Start sample", "End sample", the first taking what the two others'
// 2/7 each leave; several rows may be selected.
void SetUpRangeGrid(CGridCtrl& grid);
// One row per range: name, positions 1-based, active rows in the range color.
void FillRangeGrid(CGridCtrl& grid, const CRangeList& list);

}  // namespace grafyon
