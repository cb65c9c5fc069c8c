// Qt widgets of the workspace dialogs.
#include "workspace_dialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "environment/environment_core.h"
#include "environment/environment_strings.h"

namespace grafyon::environment {

namespace {
QString Text(int id) {
    return QString::fromStdString(VarnokastellString(id));
}
}  // namespace

EnvironmentVariablesDialog::EnvironmentVariablesDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(VRNK_STR_VARIABLES_TITLE));
    auto* label = new QLabel(Text(VRNK_STR_EXPORT_FILTER_PATH), this);
    m_path = new QLineEdit(this);
    m_path->setObjectName("exportFilterPath");
    m_path->setMinimumWidth(320);
    label->setBuddy(m_path);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName("browse");
    auto* set = new QPushButton(Text(VRNK_STR_SET), this);
    set->setObjectName("set");
    auto* close = new QPushButton(Text(VRNK_STR_CLOSE), this);
    close->setObjectName("close");
    close->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_path, 1, 0);
    layout->addWidget(browse, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(set);
    buttons->addWidget(close);
    layout->addLayout(buttons, 2, 0, 1, 2);

    std::string current;
    ReadFamilyString(SettingsScope::User, "ExportFilter", "LocalPath", current);
    m_path->setText(QString::fromStdString(current));

    connect(browse, &QPushButton::clicked, this, &EnvironmentVariablesDialog::Browse);
    connect(set, &QPushButton::clicked, this, &EnvironmentVariablesDialog::Set);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QString EnvironmentVariablesDialog::BrowseStart(const QString& text) {
    QString start = text;
    while (start.endsWith(QLatin1Char(' ')))
        start.chop(1);
    if (start.endsWith(QLatin1Char('/')) && start.size() > 1)
        start.chop(1);
    return start;
}

void EnvironmentVariablesDialog::Browse() {
    QFileDialog dialog(this, Text(VRNK_STR_FOLDER_CAPTION), BrowseStart(m_path->text()));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setLabelText(QFileDialog::LookIn, Text(VRNK_STR_FOLDER_PROMPT));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        m_path->setText(dialog.selectedFiles().first());
    }
}

void EnvironmentVariablesDialog::Set() {
    WriteFamilyString(SettingsScope::User, "ExportFilter", "LocalPath",
                      m_path->text().toStdString());
}

WorkspaceDialog::WorkspaceDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(Text(VRNK_STR_WORKSPACE_TITLE));
    auto* label = new QLabel(Text(VRNK_STR_EXPORT_FILTER_SETTINGS), this);
    auto* configure = new QPushButton(Text(VRNK_STR_CONFIGURE), this);
    configure->setObjectName("configure");
    auto* close = new QPushButton(Text(VRNK_STR_CLOSE), this);
    close->setObjectName("close");
    close->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addStretch();
    row->addWidget(configure);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    connect(configure, &QPushButton::clicked, this, &WorkspaceDialog::Configure);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void WorkspaceDialog::Configure() {
    EnvironmentVariablesDialog dialog(this);
    dialog.exec();
}

}  // namespace grafyon::environment
