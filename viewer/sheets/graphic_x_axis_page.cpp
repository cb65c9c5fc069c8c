// The "X-Axis" page of the diagram property sheet.
#include "viewer/sheets/graphic_x_axis_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "viewer/sheets/data_exchange.h"
#include "viewer/sheets/field_parse.h"

namespace grafyon {

namespace {

// The interval combo box lists the modes in their order.
IntervalMode IntervalModeAt(int index) {
    return static_cast<IntervalMode>(std::clamp(index, 0, static_cast<int>(IntervalMode::All)));
}

// The ids of the "Display" radio buttons.
constexpr int DISPLAY_TIME = 0;
constexpr int DISPLAY_SAMPLES = 1;

}  // namespace

CGraphicXAxisPage::CGraphicXAxisPage(DiagramValues& values, const CGraphicLayout& layout,
                                     QWidget* parent)
    : CPropertyPage(tr("X-Axis"), parent), m_values(values), m_display(new QButtonGroup(this)) {
    auto* interval = new QGroupBox(tr("&Interval"), this);
    auto* intervalLayout = new QGridLayout(interval);
    m_startMode = new QComboBox(interval);
    m_startMode->setObjectName("startModeCombo");
    m_startMode->addItems({tr("Start index"), tr("Start time [sec]")});
    m_startValue = new QLineEdit(interval);
    m_startValue->setObjectName("startValueEdit");
    m_intervalMode = new QComboBox(interval);
    m_intervalMode->setObjectName("intervalModeCombo");
    m_intervalMode->addItems({tr("Number of values"), tr("Max. index"), tr("Time interval [sec]"),
                              tr("Max. time [sec]"), tr("All values")});
    m_intervalValue = new QLineEdit(interval);
    m_intervalValue->setObjectName("intervalValueEdit");
    intervalLayout->addWidget(m_startMode, 0, 0);
    intervalLayout->addWidget(m_startValue, 0, 1);
    intervalLayout->addWidget(m_intervalMode, 1, 0);
    intervalLayout->addWidget(m_intervalValue, 1, 1);

    auto* position = new QGroupBox(tr("Position"), this);
    auto* positionLayout = new QVBoxLayout(position);
    m_top = new QCheckBox(tr("&Top"), position);
    m_top->setObjectName("topAxisCheck");
    m_bottom = new QCheckBox(tr("&Bottom"), position);
    m_bottom->setObjectName("bottomAxisCheck");
    positionLayout->addWidget(m_top);
    positionLayout->addWidget(m_bottom);

    auto* display = new QGroupBox(tr("Display"), this);
    auto* displayLayout = new QVBoxLayout(display);
    auto* time = new QRadioButton(tr("Ti&me"), display);
    time->setObjectName("timeDisplayRadio");
    auto* samples = new QRadioButton(tr("&Samples"), display);
    samples->setObjectName("samplesDisplayRadio");
    m_display->addButton(time, DISPLAY_TIME);
    m_display->addButton(samples, DISPLAY_SAMPLES);
    displayLayout->addWidget(time);
    displayLayout->addWidget(samples);

    auto* info = new QGroupBox(tr("Info"), this);
    auto* infoLayout = new QGridLayout(info);
    auto* count = new QLabel(QString::fromStdString(SampleCountText(layout)), info);
    count->setObjectName("sampleCountText");
    auto* timeMaximum = new QLabel(QString::fromStdString(TimeMaximumText(layout)), info);
    timeMaximum->setObjectName("timeMaximumText");
    infoLayout->addWidget(new QLabel(tr("Number of values:"), info), 0, 0);
    infoLayout->addWidget(count, 0, 1);
    infoLayout->addWidget(new QLabel(tr("Time maximum [sec]:"), info), 1, 0);
    infoLayout->addWidget(timeMaximum, 1, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(position);
    middle->addWidget(display);
    auto* pageLayout = new QVBoxLayout(this);
    pageLayout->addWidget(interval);
    pageLayout->addLayout(middle);
    pageLayout->addWidget(info);
    pageLayout->addStretch(1);

    m_startMode->setCurrentIndex(m_values.startMode == StartMode::Time ? 1 : 0);
    m_startValue->setText(QString::fromStdString(FormatNumberField(m_values.startValue)));
    m_intervalMode->setCurrentIndex(static_cast<int>(m_values.intervalMode));
    m_intervalValue->setText(QString::fromStdString(FormatNumberField(m_values.intervalValue)));
    m_top->setChecked(m_values.topAxis);
    m_bottom->setChecked(m_values.bottomAxis);
    m_display->button(m_values.axisInSamples ? DISPLAY_SAMPLES : DISPLAY_TIME)->setChecked(true);
    EnableIntervalField();
    connect(m_intervalMode, &QComboBox::currentIndexChanged, this,
            [this](int) { EnableIntervalField(); });
}

void CGraphicXAxisPage::EnableIntervalField() {
    m_intervalValue->setEnabled(IntervalModeAt(m_intervalMode->currentIndex()) !=
                                IntervalMode::All);
}

bool CGraphicXAxisPage::SaveFields(DataExchange& exchange) {
    if (!exchange.Number(m_startValue, m_values.startValue))
        return false;
    const IntervalMode intervalMode = IntervalModeAt(m_intervalMode->currentIndex());
    if (intervalMode != IntervalMode::All &&
        !exchange.Number(m_intervalValue, m_values.intervalValue))
        return false;
    m_values.startMode = m_startMode->currentIndex() == 1 ? StartMode::Time : StartMode::Sample;
    m_values.intervalMode = intervalMode;
    m_values.topAxis = m_top->isChecked();
    m_values.bottomAxis = m_bottom->isChecked();
    m_values.axisInSamples = m_display->checkedId() == DISPLAY_SAMPLES;
    return true;
}

}  // namespace grafyon
