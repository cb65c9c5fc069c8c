// "Show Ranges": pick ranges whose span becomes the visible samples.
#pragma once

#include <QDialog>

#include <cstdint>
#include <optional>
#include <utility>

#include "viewer/view/model/range_list.h"

class QPushButton;

namespace grafyon {

class CGridCtrl;

class CShowRangesDialog : public QDialog {
    Q_OBJECT
public:
    CShowRangesDialog(QWidget* parent, const CRangeList& list);

    // From the smallest start to the largest end of the selected ranges (0-based samples);
    // nothing without a selection.
    std::optional<std::pair<std::int64_t, std::int64_t>> SelectedSpan() const;

    CGridCtrl* Grid() const { return m_grid; }
    QPushButton* SelectAllButton() const { return m_selectAll; }
    QPushButton* UnselectAllButton() const { return m_unselectAll; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    const CRangeList& m_list;
    CGridCtrl* m_grid = nullptr;
    QPushButton* m_selectAll = nullptr;
    QPushButton* m_unselectAll = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

}  // namespace grafyon
