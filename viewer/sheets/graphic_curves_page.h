// The diagram sheet's page "Curves": every dataset with its active flag and display range.
#pragma once

#include "viewer/sheets/data_exchange.h"
#include "viewer/sheets/diagram_values.h"
#include "viewer/sheets/property_page.h"

class QPushButton;

namespace grafyon {
class CGridCtrl;
}

namespace grafyon {

// Works on the sheet's copy of the rows: nothing reaches the document before OK.
class CGraphicCurvesPage : public CPropertyPage {
    Q_OBJECT
public:
    // canMove enables "MoveUp" and "MoveDown" (the document must be able to reorder its
    // datasets); canShowInfo enables "Info".
    CGraphicCurvesPage(DiagramValues& values, bool canMove, bool canShowInfo,
                       QWidget* parent = nullptr);

    bool SaveFields(DataExchange& exchange) override;

    CGridCtrl* Grid() const { return m_grid; }
    // Messages of the "Scaling" dialog that "Property" opens.
    void SetMessageSink(SheetMessageSink sink) { m_sink = std::move(sink); }

    // Relative widths of "Dataset", "Minimum" and "Maximum": the first column gets the
    // width minus 4/7 of it, the others 2/7 each.
    static constexpr int COLUMN_WEIGHTS[] = {3, 2, 2};

signals:
    // "Info" for the selected row's dataset.
    void InfoRequested(grafyon::Dataset* dataset);

private:
    void FillGrid();
    void FillRow(int row);
    // The row the single-dataset buttons act on: the first selected one, or -1.
    int SelectedRow() const;
    void UpdateButtons();
    void SetActive(bool active);
    void OpenScaling();
    void Move(int delta);

    DiagramValues& m_values;
    bool m_canMove;
    bool m_canShowInfo;
    SheetMessageSink m_sink;
    CGridCtrl* m_grid;
    QPushButton* m_disable;
    QPushButton* m_enable;
    QPushButton* m_property;
    QPushButton* m_info;
    QPushButton* m_moveUp;
    QPushButton* m_moveDown;
};

}  // namespace grafyon
