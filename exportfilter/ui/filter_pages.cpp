// General, method and commentary pages of a filter.
#include "filter_pages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/quenar_class.h"
#include "exportfilter/engine/quenar_message.h"
#include "page_widgets.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

namespace {

constexpr int METHOD_CONSTANT_RESOLUTION = 1;
constexpr int RESOLUTION_BY_FREQUENCY = 1;
constexpr int COMMENTARY_USER_TEXT = 2;

// A number greater than 0 in the field, or nothing after the page's message.
std::optional<double> ReadPositiveField(QLineEdit& field, QuenarMessenger& messenger) {
    const std::optional<double> value = ReadNumberField(field, messenger);
    if (!value)
        return std::nullopt;
    if (*value <= 0.0) {
        messenger.Message(QUENAR_MSG_ENTER_POSITIVE_NUMBER);
        field.setFocus();
        field.selectAll();
        return std::nullopt;
    }
    return value;
}

}  // namespace

CFilterGeneralPage::CFilterGeneralPage(CQuenarClass& filter, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_GENERAL), parent),
      m_filter(filter),
      m_designation(new QLineEdit(ToQString(filter.designation))),
      m_description(new QPlainTextEdit(StoredTextForEditor(filter.description))),
      m_onlySelected(new QCheckBox(QuenarText(QUENAR_STR_ONLY_SELECTED))) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QUENAR_STR_DESIGNATION, m_designation), m_designation);
    form->addRow(BuddyLabel(QUENAR_STR_DESCRIPTION, m_description), m_description);
    layout->addLayout(form);
    m_onlySelected->setChecked(filter.onlySelected != 0);
    layout->addWidget(m_onlySelected);
    auto* allocation = new QGroupBox;
    auto* allocationLayout = new QVBoxLayout(allocation);
    m_allocationMode = AddRadioButtons(this, allocationLayout, QUENAR_STR_ALLOCATION_MODE_0, 4);
    CheckValue(*m_allocationMode, filter.UsedAllocationMode());
    layout->addWidget(allocation);
}

void CFilterGeneralPage::Apply() {
    m_filter.designation = ToStdString(m_designation->text());
    m_filter.description = EditorTextForStorage(m_description->toPlainText());
    m_filter.onlySelected = m_onlySelected->isChecked() ? 1 : 0;
    m_filter.allocationMode = CheckedValue(*m_allocationMode, m_filter.allocationMode);
}

CMethodPage::CMethodPage(CQuenarClass& filter, QuenarMessenger& messenger, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_METHOD), parent),
      m_filter(filter),
      m_messenger(messenger),
      m_resolution(new QLineEdit(NumberText(filter.resolution))),
      m_frequency(new QLineEdit(NumberText(filter.frequency))),
      m_everyBox(new QWidget),
      m_constantBox(new QWidget) {
    auto* layout = new QVBoxLayout(this);
    auto* methodBox = new QGroupBox;
    auto* methodLayout = new QVBoxLayout(methodBox);
    m_method = new QButtonGroup(this);
    const auto addMethod = [&](int value) {
        auto* button = new QRadioButton(QuenarText(QUENAR_STR_METHOD_0 + value));
        m_method->addButton(button, value);
        methodLayout->addWidget(button);
    };

    // Each method's own choices sit indented under its button.
    addMethod(0);
    auto* everyLayout = new QVBoxLayout(m_everyBox);
    everyLayout->setContentsMargins(24, 0, 0, 0);
    m_missingEvery = AddRadioButtons(this, everyLayout, QUENAR_STR_MISSING_0, 3);
    methodLayout->addWidget(m_everyBox);

    addMethod(1);
    auto* constantLayout = new QVBoxLayout(m_constantBox);
    constantLayout->setContentsMargins(24, 0, 0, 0);
    m_missingConstant = AddRadioButtons(this, constantLayout, QUENAR_STR_MISSING_0, 3);
    m_resolutionBy = new QButtonGroup(this);
    auto* grid = new QGridLayout;
    const auto addResolution = [&](int value, int labelId, QLineEdit* field, int unitId) {
        auto* button = new QRadioButton(QuenarText(labelId));
        m_resolutionBy->addButton(button, value);
        grid->addWidget(button, value, 0);
        grid->addWidget(field, value, 1);
        grid->addWidget(new QLabel(QuenarText(unitId)), value, 2);
    };
    addResolution(0, QUENAR_STR_RESOLUTION, m_resolution, QUENAR_STR_SECONDS_UNIT);
    addResolution(1, QUENAR_STR_FREQUENCY, m_frequency, QUENAR_STR_HERTZ_UNIT);
    constantLayout->addLayout(grid);
    methodLayout->addWidget(m_constantBox);

    addMethod(2);
    layout->addWidget(methodBox);
    layout->addStretch();

    CheckValue(*m_method, filter.UsedMethod());
    CheckValue(*m_missingEvery, filter.UsedMissingEvery());
    CheckValue(*m_missingConstant, filter.UsedMissingConstant());
    CheckValue(*m_resolutionBy, filter.UsedResolutionBy());
    connect(m_method, &QButtonGroup::idToggled, this, [this] { UpdateEnabled(); });
    connect(m_resolutionBy, &QButtonGroup::idToggled, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void CMethodPage::UpdateEnabled() {
    const int method = CheckedValue(*m_method, 0);
    m_everyBox->setEnabled(method == 0);
    m_constantBox->setEnabled(method == METHOD_CONSTANT_RESOLUTION);
    const bool byFrequency = CheckedValue(*m_resolutionBy, 0) == RESOLUTION_BY_FREQUENCY;
    m_resolution->setEnabled(!byFrequency);
    m_frequency->setEnabled(byFrequency);
}

bool CMethodPage::Validate() {
    // Only the value in use counts: the run would refuse it, and it must never make rows
    // without end.
    if (CheckedValue(*m_method, 0) != METHOD_CONSTANT_RESOLUTION)
        return true;
    QLineEdit& field =
        CheckedValue(*m_resolutionBy, 0) == RESOLUTION_BY_FREQUENCY ? *m_frequency : *m_resolution;
    return ReadPositiveField(field, m_messenger).has_value();
}

void CMethodPage::Apply() {
    m_filter.method = CheckedValue(*m_method, m_filter.method);
    m_filter.missingEvery = CheckedValue(*m_missingEvery, m_filter.missingEvery);
    m_filter.missingConstant = CheckedValue(*m_missingConstant, m_filter.missingConstant);
    m_filter.resolutionBy = CheckedValue(*m_resolutionBy, m_filter.resolutionBy);
    // A field not in use keeps its stored value unless it holds a usable one.
    if (const std::optional<double> value = ParseNumberText(m_resolution->text()); value > 0.0)
        m_filter.resolution = *value;
    if (const std::optional<double> value = ParseNumberText(m_frequency->text()); value > 0.0)
        m_filter.frequency = *value;
}

CCommentaryPage::CCommentaryPage(CQuenarClass& filter, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_COMMENTARY), parent),
      m_filter(filter),
      m_text(new QPlainTextEdit(StoredTextForEditor(filter.commentaryText))) {
    auto* layout = new QVBoxLayout(this);
    m_mode = AddRadioButtons(this, layout, QUENAR_STR_COMMENTARY_MODE_0, 3);
    layout->addWidget(m_text);
    CheckValue(*m_mode, filter.UsedCommentaryMode());
    const auto update = [this] {
        m_text->setEnabled(CheckedValue(*m_mode, 0) == COMMENTARY_USER_TEXT);
    };
    connect(m_mode, &QButtonGroup::idToggled, this, update);
    update();
}

void CCommentaryPage::Apply() {
    m_filter.commentaryMode = CheckedValue(*m_mode, m_filter.commentaryMode);
    m_filter.commentaryText = EditorTextForStorage(m_text->toPlainText());
}

FilterPageFactory FilterGeneralPageFactory() {
    return [](CQuenarClass& filter, const PageContext&) {
        return std::make_unique<CFilterGeneralPage>(filter);
    };
}

FilterPageFactory MethodPageFactory() {
    return [](CQuenarClass& filter, const PageContext& context) {
        return std::make_unique<CMethodPage>(filter, context.messenger);
    };
}

FilterPageFactory CommentaryPageFactory() {
    return [](CQuenarClass& filter, const PageContext&) {
        return std::make_unique<CCommentaryPage>(filter);
    };
}

}  // namespace grafyon::exportfilter
