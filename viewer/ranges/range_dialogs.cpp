// Modal runs of the range dialogs.
#include "range_dialogs.h"

#include "viewer/ranges/range_operations.h"
#include "viewer/ranges/range_properties_dialog.h"
#include "viewer/ranges/ranges_dialog.h"
#include "viewer/ranges/show_ranges_dialog.h"

namespace grafyon {

bool RunRangePropertiesDialog(QWidget* parent, CRangeList& list, std::int64_t firstBorder,
                              std::int64_t cursorSample, std::int64_t sampleCount) {
    RangeProperties initial;
    initial.active = true;
    // Kept in the order the user set them; the dialog's OK orders them.
    initial.start = firstBorder;
    initial.end = cursorSample;
    CRangePropertiesDialog dialog(parent, initial, sampleCount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    AddRange(list, dialog.Values());
    return true;
}

bool RunRangesDialog(QWidget* parent, CRangeList& documentList, std::int64_t sampleCount) {
    CRangesDialog dialog(parent, documentList, sampleCount);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    documentList.CopyFrom(dialog.Ranges());
    return true;
}

std::optional<std::pair<std::int64_t, std::int64_t>> RunShowRangesDialog(QWidget* parent,
                                                                         const CRangeList& list) {
    CShowRangesDialog dialog(parent, list);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.SelectedSpan();
}

}  // namespace grafyon
