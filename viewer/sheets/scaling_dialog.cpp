// The "Scaling" dialog and its entry point.
#include "viewer/sheets/scaling_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "viewer/data/dataset.h"
#include "viewer/settings/ui/color_button.h"
#include "viewer/sheets/diagram_values.h"
#include "viewer/sheets/field_parse.h"

namespace grafyon {

CScalingDialog::CScalingDialog(const QString& datasetName, const ScalingValues& values,
                               QWidget* parent)
    : QDialog(parent), m_values(values) {
    setWindowTitle(tr("Scaling"));
    setObjectName("scalingDialog");
    m_name = new QLabel(datasetName, this);
    m_name->setObjectName("datasetName");
    m_minimum = new QLineEdit(QString::fromStdString(FormatNumberField(values.minimum)), this);
    m_minimum->setObjectName("minimumEdit");
    m_maximum = new QLineEdit(QString::fromStdString(FormatNumberField(values.maximum)), this);
    m_maximum->setObjectName("maximumEdit");
    m_color = new ColorButton(this);
    m_color->setObjectName("colorButton");
    m_color->SetColor(values.color);
    m_showCurve = new QCheckBox(tr("&Show Curve"), this);
    m_showCurve->setObjectName("showCurveCheck");
    m_showCurve->setChecked(values.showCurve);

    auto* form = new QFormLayout;
    form->addRow(tr("&Minimum:"), m_minimum);
    form->addRow(tr("M&aximum:"), m_maximum);
    form->addRow(tr("&Color:"), m_color);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancelButton");
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CScalingDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CScalingDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_name);
    layout->addLayout(form);
    layout->addWidget(m_showCurve);
    layout->addWidget(buttons);
}

void CScalingDialog::accept() {
    DataExchange exchange(this, m_sink);
    double minimum = 0.0;
    double maximum = 0.0;
    if (!exchange.Number(m_minimum, minimum) || !exchange.Number(m_maximum, maximum))
        return;
    ManualRange(minimum, maximum);
    m_values.minimum = minimum;
    m_values.maximum = maximum;
    m_values.color = m_color->Color();
    m_values.showCurve = m_showCurve->isChecked();
    QDialog::accept();
}

ScalingChanges RunScalingDialog(QWidget* parent, CGraphicLayout& layout, Dataset& curve,
                                bool fromContextMenu, SheetMessageSink sink) {
    CScalingDialog dialog(QString::fromStdString(curve.name),
                          ScalingValuesFrom(curve, fromContextMenu), parent);
    dialog.SetMessageSink(std::move(sink));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return ApplyScalingValues(dialog.Values(), layout, curve);
}

}  // namespace grafyon
