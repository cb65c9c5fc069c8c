// The "Scaling" dialog of one curve: display range, color and whether it is shown.
#pragma once

#include <QDialog>

#include "viewer/sheets/data_exchange.h"
#include "viewer/sheets/scaling_values.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace grafyon {
class ColorButton;
}

namespace grafyon {

class CScalingDialog : public QDialog {
    Q_OBJECT
public:
    CScalingDialog(const QString& datasetName, const ScalingValues& values,
                   QWidget* parent = nullptr);

    // After OK: the entries, the range already made a manual-scaling range.
    const ScalingValues& Values() const { return m_values; }
    void SetMessageSink(SheetMessageSink sink) { m_sink = std::move(sink); }

    void accept() override;

private:
    ScalingValues m_values;
    SheetMessageSink m_sink;
    QLabel* m_name;
    QLineEdit* m_minimum;
    QLineEdit* m_maximum;
    ColorButton* m_color;
    QCheckBox* m_showCurve;
};

// Shows the dialog modally for curve. On OK the range is scaled manually, the color
// stored and, with "&Show Curve" cleared, the curve deactivated (checked: activated). The
// caller then takes a view snapshot when changes.range is set, and sends HINT_CURVES when
// activeFlag is set, otherwise HINT_REDRAW when range or color is.
ScalingChanges RunScalingDialog(QWidget* parent, CGraphicLayout& layout, Dataset& curve,
                                bool fromContextMenu, SheetMessageSink sink = {});

}  // namespace grafyon
