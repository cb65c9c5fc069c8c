// Pages of a channel definition's sheet.
#include "channel_def_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "exportfilter/engine/channel_def.h"
#include "exportfilter/engine/export_strings.h"
#include "page_widgets.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

CChannelGeneralPage::CChannelGeneralPage(CQuenarChannelDef& definition, QuenarMessenger& messenger,
                                         QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_GENERAL), parent),
      m_definition(definition),
      m_messenger(messenger),
      m_identifier(new QLineEdit(ToQString(definition.identifier))),
      m_defaultDataset(new QLineEdit(ToQString(definition.defaultDataset))),
      m_adjustment(new QCheckBox(QuenarText(QUENAR_STR_ADJUSTMENT))),
      m_factor(new QLineEdit(NumberText(definition.factor))),
      m_offset(new QLineEdit(NumberText(definition.offset))),
      m_unit(new QLineEdit(ToQString(definition.unit))) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QUENAR_STR_CHANNEL_ID_LABEL, m_identifier), m_identifier);
    form->addRow(BuddyLabel(QUENAR_STR_DEFAULT_DATASET, m_defaultDataset), m_defaultDataset);
    layout->addLayout(form);
    layout->addWidget(m_adjustment);
    auto* adjustment = new QFormLayout;
    adjustment->setContentsMargins(24, 0, 0, 0);
    adjustment->addRow(BuddyLabel(QUENAR_STR_FACTOR, m_factor), m_factor);
    adjustment->addRow(BuddyLabel(QUENAR_STR_OFFSET, m_offset), m_offset);
    adjustment->addRow(BuddyLabel(QUENAR_STR_UNIT, m_unit), m_unit);
    layout->addLayout(adjustment);
    layout->addStretch();

    m_adjustment->setChecked(definition.adjustment != 0);
    const auto update = [this] {
        const bool on = m_adjustment->isChecked();
        m_factor->setEnabled(on);
        m_offset->setEnabled(on);
        m_unit->setEnabled(on);
    };
    connect(m_adjustment, &QCheckBox::toggled, this, update);
    update();
}

bool CChannelGeneralPage::Validate() {
    return ReadNumberField(*m_factor, m_messenger) && ReadNumberField(*m_offset, m_messenger);
}

void CChannelGeneralPage::Apply() {
    m_definition.identifier = ToStdString(m_identifier->text());
    m_definition.defaultDataset = ToStdString(m_defaultDataset->text());
    m_definition.adjustment = m_adjustment->isChecked() ? 1 : 0;
    m_definition.factor = ParseNumberText(m_factor->text()).value_or(m_definition.factor);
    m_definition.offset = ParseNumberText(m_offset->text()).value_or(m_definition.offset);
    m_definition.unit = ToStdString(m_unit->text());
}

CCalibrationPage::CCalibrationPage(QuenarCalibrationRange& range, bool symmetric,
                                   QuenarMessenger& messenger, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_CALIBRATION), parent),
      m_range(range),
      m_symmetric(symmetric),
      m_messenger(messenger),
      m_mode(new QComboBox),
      m_minimum(new QLineEdit(NumberText(range.minimum))),
      m_maximum(new QLineEdit(NumberText(range.maximum))),
      m_minusMaximum(new QLabel(QuenarText(QUENAR_STR_MINUS_MAXIMUM))) {
    AddComboEntries(*m_mode, QUENAR_STR_CALIBRATION_MODE_0, 2);
    SelectComboValue(*m_mode, range.IsAutomatic() ? 1 : 0);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QUENAR_STR_CALIBRATION_RANGE, m_mode), m_mode);
    if (symmetric) {
        form->addRow(BuddyLabel(QUENAR_STR_MINIMUM, m_minimum), m_minusMaximum);
        m_minimum->hide();
    } else {
        form->addRow(BuddyLabel(QUENAR_STR_MINIMUM, m_minimum), m_minimum);
        m_minusMaximum->hide();
    }
    form->addRow(BuddyLabel(QUENAR_STR_MAXIMUM, m_maximum), m_maximum);
    layout->addLayout(form);
    layout->addStretch();
    connect(m_mode, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void CCalibrationPage::UpdateEnabled() {
    const bool range = ComboValue(*m_mode, 1) == 0;
    m_minimum->setEnabled(range);
    m_maximum->setEnabled(range);
    m_minusMaximum->setEnabled(range);
}

bool CCalibrationPage::Validate() {
    if (ComboValue(*m_mode, 1) != 0)
        return true;
    return (m_symmetric || ReadNumberField(*m_minimum, m_messenger)) &&
           ReadNumberField(*m_maximum, m_messenger);
}

void CCalibrationPage::Apply() {
    m_range.mode = ComboValue(*m_mode, m_range.mode);
    m_range.maximum = ParseNumberText(m_maximum->text()).value_or(m_range.maximum);
    m_range.minimum = m_symmetric ? -m_range.maximum
                                  : ParseNumberText(m_minimum->text()).value_or(m_range.minimum);
}

CChannelFileNamePage::CChannelFileNamePage(CQuenarChannelDef1File& definition, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_FILE_NAME), parent),
      m_definition(definition),
      m_fileName(new QLineEdit(ToQString(definition.fileName))) {
    auto* layout = new QFormLayout(this);
    layout->addRow(BuddyLabel(QUENAR_STR_FILE_NAME_LABEL, m_fileName), m_fileName);
}

void CChannelFileNamePage::Apply() {
    m_definition.fileName = ToStdString(m_fileName->text());
}

ChannelPageFactory ChannelGeneralPageFactory() {
    return
        [](CQuenarChannelDef& definition, const PageContext& context) -> std::unique_ptr<EditPage> {
            return std::make_unique<CChannelGeneralPage>(definition, context.messenger);
        };
}

ChannelPageFactory CalibrationPageFactory(
    std::function<QuenarCalibrationRange*(CQuenarChannelDef&)> range, bool symmetric) {
    return [range = std::move(range), symmetric](
               CQuenarChannelDef& definition,
               const PageContext& context) -> std::unique_ptr<EditPage> {
        QuenarCalibrationRange* values = range(definition);
        if (values == nullptr)
            return nullptr;
        return std::make_unique<CCalibrationPage>(*values, symmetric, context.messenger);
    };
}

ChannelPageFactory ChannelFileNamePageFactory() {
    return [](CQuenarChannelDef& definition, const PageContext&) -> std::unique_ptr<EditPage> {
        auto* ownFile = dynamic_cast<CQuenarChannelDef1File*>(&definition);
        if (ownFile == nullptr)
            return nullptr;
        return std::make_unique<CChannelFileNamePage>(*ownFile);
    };
}

}  // namespace grafyon::exportfilter
