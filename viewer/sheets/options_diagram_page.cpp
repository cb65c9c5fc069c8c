// The "Start" page of the option sheet.
#include "viewer/sheets/options_diagram_page.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "viewer/sheets/data_exchange.h"
#include "viewer/sheets/field_parse.h"
#include "viewer/sheets/spin_edit.h"

namespace grafyon {

namespace {

QRadioButton* AddRadio(QButtonGroup* group, int id, const QString& text, const char* name,
                       QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    group->addButton(button, id);
    return button;
}

}  // namespace

COptionsDiagramPage::COptionsDiagramPage(OptionValues& values, QWidget* parent)
    : CPropertyPage(tr("Start"), parent),
      m_values(values),
      m_startMode(new QButtonGroup(this)),
      m_scaling(new QButtonGroup(this)),
      m_reference(new QButtonGroup(this)) {
    auto* initial = new QGroupBox(tr("Initial View"), this);
    auto* initialLayout = new QGridLayout(initial);
    initialLayout->addWidget(AddRadio(m_startMode, START_NUMBER_OF_SAMPLES,
                                      tr("&Number of samples:"), "numberOfSamplesRadio", initial),
                             0, 0);
    m_numOfValues = new SpinEdit(NUM_OF_VALUES_SPIN_MIN, NUM_OF_VALUES_SPIN_MAX, initial);
    m_numOfValues->setObjectName("numberOfSamplesEdit");
    initialLayout->addWidget(m_numOfValues, 0, 1);
    initialLayout->addWidget(AddRadio(m_startMode, START_TIME_INTERVAL, tr("&Time interval [sec]:"),
                                      "timeIntervalRadio", initial),
                             1, 0);
    m_timeInterval = new QLineEdit(initial);
    m_timeInterval->setObjectName("timeIntervalEdit");
    initialLayout->addWidget(m_timeInterval, 1, 1);
    initialLayout->addWidget(AddRadio(m_startMode, START_VALUE_RANGE, tr("&Value range [%]:"),
                                      "valueRangeRadio", initial),
                             2, 0);
    m_valueInterval = new SpinEdit(VALUE_INTERVAL_MIN, VALUE_INTERVAL_MAX, initial);
    m_valueInterval->setObjectName("valueRangeEdit");
    initialLayout->addWidget(m_valueInterval, 2, 1);
    initialLayout->addWidget(
        AddRadio(m_startMode, START_ALL_SAMPLES, tr("&All samples"), "allSamplesRadio", initial), 3,
        0, 1, 2);
    initialLayout->addWidget(AddRadio(m_startMode, START_SPEED_OPTIMIZED, tr("&Speed optimized"),
                                      "speedOptimizedRadio", initial),
                             4, 0, 1, 2);

    auto* scaling = new QGroupBox(tr("Curve scaling"), this);
    auto* scalingLayout = new QVBoxLayout(scaling);
    scalingLayout->addWidget(AddRadio(m_scaling, 0, tr("&Optimized"), "optimizedRadio", scaling));
    scalingLayout->addWidget(AddRadio(m_scaling, 1, tr("&Equalized"), "equalizedRadio", scaling));

    auto* reference = new QGroupBox(tr("Reference"), this);
    auto* referenceLayout = new QVBoxLayout(reference);
    referenceLayout->addWidget(
        AddRadio(m_reference, 0, tr("&Initial range"), "initialRangeRadio", reference));
    referenceLayout->addWidget(
        AddRadio(m_reference, 1, tr("&Full range"), "fullRangeRadio", reference));

    auto* lower = new QHBoxLayout;
    lower->addWidget(scaling);
    lower->addWidget(reference);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(initial);
    layout->addLayout(lower);
    layout->addStretch(1);

    m_startMode->button(m_values.startIntervalMode)->setChecked(true);
    m_numOfValues->SetValue(m_values.numOfValues);
    m_timeInterval->setText(QString::fromStdString(FormatNumberField(m_values.timeInterval)));
    m_valueInterval->SetValue(m_values.valueInterval);
    m_scaling->button(m_values.curveScalingMode)->setChecked(true);
    m_reference->button(m_values.scalingReferenceMode)->setChecked(true);
    EnableFields();
    connect(m_startMode, &QButtonGroup::idToggled, this, [this](int, bool) { EnableFields(); });
}

void COptionsDiagramPage::EnableFields() {
    const int mode = m_startMode->checkedId();
    m_numOfValues->setEnabled(mode == START_NUMBER_OF_SAMPLES);
    m_timeInterval->setEnabled(mode == START_TIME_INTERVAL);
    m_valueInterval->setEnabled(mode == START_VALUE_RANGE);
}

bool COptionsDiagramPage::SaveFields(DataExchange& exchange) {
    // A disabled field cannot be corrected, so only the checked mode's field is read; the
    // others keep their values.
    const int mode = m_startMode->checkedId();
    bool ok = true;
    if (mode == START_NUMBER_OF_SAMPLES)
        ok = exchange.Integer(m_numOfValues, m_values.numOfValues);
    else if (mode == START_TIME_INTERVAL)
        ok = exchange.Number(m_timeInterval, m_values.timeInterval);
    else if (mode == START_VALUE_RANGE)
        ok = exchange.Integer(m_valueInterval, VALUE_INTERVAL_MIN, VALUE_INTERVAL_MAX,
                              m_values.valueInterval);
    if (!ok)
        return false;
    m_values.startIntervalMode = mode;
    m_values.curveScalingMode = m_scaling->checkedId();
    m_values.scalingReferenceMode = m_reference->checkedId();
    return true;
}

}  // namespace grafyon
