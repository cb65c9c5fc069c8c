// The pages of the output-file objects.
#include "file_name_pages.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/quenar_file.h"
#include "page_widgets.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

namespace {

constexpr int PATH_USER_DEFINED = 1;
constexpr int NAME_USER_DEFINED = 1;
constexpr int DATA_NAME_NEW_EXTENSION = 2;

// A radio button of group with the value, added to grid at row with an optional field.
QRadioButton* AddChoice(QButtonGroup& group, QGridLayout& grid, int value, int textId,
                        QWidget* field = nullptr) {
    auto* button = new QRadioButton(QuenarText(textId));
    group.addButton(button, value);
    grid.addWidget(button, value, 0);
    if (field != nullptr)
        grid.addWidget(field, value, 1);
    return button;
}

// Enables each field only while its choice is checked.
void EnableWithChoice(QButtonGroup& group, int value, std::initializer_list<QWidget*> fields) {
    const auto update = [&group, value, widgets = std::vector<QWidget*>(fields)] {
        for (QWidget* widget : widgets)
            widget->setEnabled(group.checkedId() == value);
    };
    QObject::connect(&group, &QButtonGroup::idToggled, group.parent(), update);
    update();
}

// The "Path" group, the file dialog and the overwrite choice, filled from file.
OutputFileControls AddOutputFileControls(QWidget& page, QVBoxLayout& layout,
                                         const CQuenarFile& file, int fileDialogLabelId,
                                         std::vector<int> fileDialogTextIds) {
    OutputFileControls controls;
    auto* pathGroup = new QGroupBox(QuenarText(QUENAR_STR_PATH));
    auto* pathGrid = new QGridLayout(pathGroup);
    controls.pathMode = new QButtonGroup(&page);
    controls.userPath = new QLineEdit(ToQString(file.userPath));
    controls.browse = new QPushButton(QuenarText(QUENAR_STR_BROWSE));
    controls.browse->setAutoDefault(false);
    AddChoice(*controls.pathMode, *pathGrid, 0, QUENAR_STR_PATH_MODE_0);
    AddChoice(*controls.pathMode, *pathGrid, 1, QUENAR_STR_PATH_MODE_0 + 1, controls.userPath);
    pathGrid->addWidget(controls.browse, 1, 2);
    // Mode 2 is shown but can never be chosen.
    AddChoice(*controls.pathMode, *pathGrid, 2, QUENAR_STR_PATH_MODE_0 + 2)->setEnabled(false);
    CheckValue(*controls.pathMode, file.UsedPathMode());
    EnableWithChoice(*controls.pathMode, PATH_USER_DEFINED, {controls.userPath, controls.browse});
    QLineEdit* userPath = controls.userPath;
    QObject::connect(controls.browse, &QPushButton::clicked, &page, [&page, userPath] {
        if (const std::optional<QString> folder = ChooseFolder(&page, userPath->text()))
            userPath->setText(*folder);
    });
    layout.addWidget(pathGroup);

    auto* form = new QFormLayout;
    controls.fileDialog = new QComboBox;
    for (std::size_t value = 0; value < fileDialogTextIds.size(); ++value)
        controls.fileDialog->addItem(QuenarText(fileDialogTextIds[value]), static_cast<int>(value));
    SelectComboValue(*controls.fileDialog,
                     std::min(file.UsedFileDialog(), controls.fileDialog->count() - 1));
    controls.overwrite = new QComboBox;
    AddComboEntries(*controls.overwrite, QUENAR_STR_OVERWRITE_0, 3);
    SelectComboValue(*controls.overwrite, file.UsedOverwrite());
    form->addRow(BuddyLabel(fileDialogLabelId, controls.fileDialog), controls.fileDialog);
    form->addRow(BuddyLabel(QUENAR_STR_OVERWRITE, controls.overwrite), controls.overwrite);
    layout.addLayout(form);
    return controls;
}

void ApplyOutputFileControls(const OutputFileControls& controls, CQuenarFile& file) {
    file.pathMode = CheckedValue(*controls.pathMode, file.UsedPathMode());
    file.userPath = ToStdString(controls.userPath->text());
    file.fileDialog = ComboValue(*controls.fileDialog, file.fileDialog);
    file.overwrite = ComboValue(*controls.overwrite, file.overwrite);
}

}  // namespace

std::optional<QString> ChooseFolder(QWidget* parent, const QString& start) {
    QFileDialog dialog(parent, QuenarText(QUENAR_STR_FOLDER_TITLE), start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    // Qt's own dialog, so that the prompt can stand in it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        auto* prompt = new QLabel(QuenarText(QUENAR_STR_FOLDER_PROMPT));
        prompt->setWordWrap(true);
        grid->addWidget(prompt, grid->rowCount(), 0, 1, grid->columnCount());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    QString folder = dialog.selectedFiles().front();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

CSingleFilePage::CSingleFilePage(CQuenarFileSingle& file, QuenarMessenger& messenger,
                                 QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_FILE_NAMES), parent),
      m_file(file),
      m_messenger(messenger),
      m_dataNameMode(new QButtonGroup(this)),
      m_userDataName(new QLineEdit(ToQString(file.userDataName))),
      m_dataExtension(new QComboBox),
      m_descriptionGroup(new QGroupBox(QuenarText(QUENAR_STR_DESCRIPTION_FILE_NAME))),
      m_descriptionNameMode(new QButtonGroup(this)),
      m_descriptionExtension(new QLineEdit(ToQString(file.descriptionExtension))),
      m_userDescriptionName(new QLineEdit(ToQString(file.userDescriptionName))) {
    auto* layout = new QVBoxLayout(this);

    auto* dataGroup = new QGroupBox(QuenarText(QUENAR_STR_DATA_FILE_NAME));
    auto* dataGrid = new QGridLayout(dataGroup);
    AddChoice(*m_dataNameMode, *dataGrid, 0, QUENAR_STR_DATA_NAME_MODE_0);
    AddChoice(*m_dataNameMode, *dataGrid, 1, QUENAR_STR_DATA_NAME_MODE_0 + 1, m_userDataName);
    AddChoice(*m_dataNameMode, *dataGrid, 2, QUENAR_STR_DATA_NAME_MODE_0 + 2, m_dataExtension);
    const QString offered = ToQString(file.offeredExtensions);
    m_dataExtension->addItems(offered.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
    // A stream that offers no extensions lets the user type one.
    m_dataExtension->setEditable(m_dataExtension->count() == 0);
    const QString current = ToQString(file.dataExtension);
    if (!current.isEmpty() && m_dataExtension->findText(current) < 0)
        m_dataExtension->addItem(current);
    m_dataExtension->setCurrentIndex(std::max(0, m_dataExtension->findText(current)));
    CheckValue(*m_dataNameMode, std::clamp(file.dataNameMode, 0, 2));
    EnableWithChoice(*m_dataNameMode, NAME_USER_DEFINED, {m_userDataName});
    EnableWithChoice(*m_dataNameMode, DATA_NAME_NEW_EXTENSION, {m_dataExtension});
    layout->addWidget(dataGroup);

    auto* descriptionGrid = new QGridLayout(m_descriptionGroup);
    AddChoice(*m_descriptionNameMode, *descriptionGrid, 0, QUENAR_STR_DESCRIPTION_NAME_MODE_0,
              m_descriptionExtension);
    AddChoice(*m_descriptionNameMode, *descriptionGrid, 1, QUENAR_STR_DESCRIPTION_NAME_MODE_0 + 1,
              m_userDescriptionName);
    CheckValue(*m_descriptionNameMode, std::clamp(file.descriptionNameMode, 0, 1));
    EnableWithChoice(*m_descriptionNameMode, 0, {m_descriptionExtension});
    EnableWithChoice(*m_descriptionNameMode, NAME_USER_DEFINED, {m_userDescriptionName});
    layout->addWidget(m_descriptionGroup);
    m_descriptionGroup->setVisible(file.descriptionUsed != 0);

    std::vector<int> fileDialogTexts = {QUENAR_STR_FILE_DIALOG_0, QUENAR_STR_FILE_DIALOG_1};
    if (file.descriptionUsed != 0)
        fileDialogTexts.push_back(QUENAR_STR_FILE_DIALOG_2);
    m_controls = AddOutputFileControls(*this, *layout, file, QUENAR_STR_FILE_DIALOG_SINGLE,
                                       std::move(fileDialogTexts));
    layout->addStretch();
}

bool CSingleFilePage::Validate() {
    CQuenarFileSingle values;
    values.dataNameMode = CheckedValue(*m_dataNameMode, m_file.dataNameMode);
    values.pathMode = CheckedValue(*m_controls.pathMode, m_file.UsedPathMode());
    if (CheckSingleFilePage(values, m_messenger))
        return true;
    if (QAbstractButton* button = m_dataNameMode->checkedButton())
        button->setFocus();
    return false;
}

void CSingleFilePage::Apply() {
    m_file.dataNameMode = CheckedValue(*m_dataNameMode, m_file.dataNameMode);
    m_file.userDataName = ToStdString(m_userDataName->text());
    m_file.dataExtension = ToStdString(m_dataExtension->currentText());
    m_file.descriptionNameMode = CheckedValue(*m_descriptionNameMode, m_file.descriptionNameMode);
    m_file.descriptionExtension = ToStdString(m_descriptionExtension->text());
    m_file.userDescriptionName = ToStdString(m_userDescriptionName->text());
    ApplyOutputFileControls(m_controls, m_file);
}

CMultiFilePage::CMultiFilePage(CQuenarFileMulti& file, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_FILE_NAME), parent),
      m_file(file),
      m_buildMode(new QComboBox),
      m_nameMode(new QButtonGroup(this)),
      m_userName(new QLineEdit(ToQString(file.userName))) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    AddComboEntries(*m_buildMode, QUENAR_STR_BUILD_MODE_0, 4);
    SelectComboValue(*m_buildMode, file.UsedBuildMode());
    form->addRow(BuddyLabel(QUENAR_STR_BUILD_MODE, m_buildMode), m_buildMode);
    layout->addLayout(form);

    auto* nameGroup = new QGroupBox;
    auto* nameGrid = new QGridLayout(nameGroup);
    AddChoice(*m_nameMode, *nameGrid, 0, QUENAR_STR_NAME_MODE_0);
    AddChoice(*m_nameMode, *nameGrid, 1, QUENAR_STR_DATA_NAME_MODE_0 + 1, m_userName);
    CheckValue(*m_nameMode, file.nameMode == NAME_USER_DEFINED ? 1 : 0);
    EnableWithChoice(*m_nameMode, NAME_USER_DEFINED, {m_userName});
    layout->addWidget(nameGroup);

    m_controls = AddOutputFileControls(*this, *layout, file, QUENAR_STR_FILE_DIALOG_MULTI,
                                       {QUENAR_STR_FILE_DIALOG_0, QUENAR_STR_FILE_DIALOG_1_MULTI});
    layout->addStretch();
}

void CMultiFilePage::Apply() {
    m_file.buildMode = ComboValue(*m_buildMode, m_file.buildMode);
    m_file.nameMode = CheckedValue(*m_nameMode, m_file.nameMode);
    m_file.userName = ToStdString(m_userName->text());
    ApplyOutputFileControls(m_controls, m_file);
}

FilterPageFactory SingleFilePageFactory(std::function<CQuenarFileSingle*(CQuenarClass&)> file) {
    return [file = std::move(file)](CQuenarClass& filter,
                                    const PageContext& context) -> std::unique_ptr<EditPage> {
        CQuenarFileSingle* values = file(filter);
        if (values == nullptr)
            return nullptr;
        return std::make_unique<CSingleFilePage>(*values, context.messenger);
    };
}

FilterPageFactory MultiFilePageFactory(std::function<CQuenarFileMulti*(CQuenarClass&)> file) {
    return [file = std::move(file)](CQuenarClass& filter,
                                    const PageContext&) -> std::unique_ptr<EditPage> {
        CQuenarFileMulti* values = file(filter);
        if (values == nullptr)
            return nullptr;
        return std::make_unique<CMultiFilePage>(*values);
    };
}

}  // namespace grafyon::exportfilter
