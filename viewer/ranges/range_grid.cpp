// Columns, rows and colors of the range grid.
#include "range_grid.h"

#include "viewer/ranges/ranges_strings.h"
#include "viewer/settings/ui/color_conversion.h"

namespace grafyon {

void SetUpRangeGrid(CGridCtrl& grid) {
    grid.SetColumns({RangesString(RANGES_STR_RANGE), RangesString(RANGES_STR_START_SAMPLE),
                     RangesString(RANGES_STR_END_SAMPLE)},
                    {3, 2, 2});
    grid.SetColumnAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    grid.SetColumnAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    grid.SetMultipleSelection(true);
}

void FillRangeGrid(CGridCtrl& grid, const CRangeList& list) {
    grid.SetRowCount(list.Count());
    const QColor activeColor = QColorFromColorRef(RANGE_COLOR);
    for (int row = 0; row < list.Count(); ++row) {
        const CRange& range = list.At(row);
        grid.SetText(row, 0, QString::fromStdString(range.Name()));
        grid.SetText(row, 1, QString::number(range.Start() + RANGE_DISPLAY_OFFSET));
        grid.SetText(row, 2, QString::number(range.End() + RANGE_DISPLAY_OFFSET));
        grid.SetRowColor(row, range.Active() ? activeColor : QColor());
    }
}

}  // namespace grafyon
