// The name dialogs of creating and copying a filter.
#include "filter_name_dialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/filter_management.h"
#include "exportfilter/engine/format_table.h"
#include "page_widgets.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

namespace {

QLineEdit* NameField() {
    auto* name = new QLineEdit;
    name->setMaxLength(static_cast<int>(FILTER_NAME_MAX_CHARS));
    return name;
}

QDialogButtonBox* OkCancel(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(QuenarText(QUENAR_STR_OK));
    buttons->button(QDialogButtonBox::Cancel)->setText(QuenarText(QUENAR_STR_CANCEL));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

// Runs the dialog again after every refused name, with the name field focused.
template <class Attempt>
FilterAction RunUntilNameAccepted(QDialog& dialog, QLineEdit& name, Attempt attempt) {
    for (;;) {
        name.setFocus();
        name.selectAll();
        if (dialog.exec() != QDialog::Accepted)
            return FilterAction::Cancelled;
        const FilterAction action = attempt();
        if (action != FilterAction::NameRefused)
            return action;
    }
}

}  // namespace

CCreateFilterDialog::CCreateFilterDialog(const ClassRegistry& registry, QWidget* parent)
    : QDialog(parent), m_name(NameField()), m_type(new QComboBox), m_mode(nullptr) {
    setWindowTitle(QuenarText(QUENAR_STR_CREATE_TITLE));
    struct Offer {
        QString name;
        int typeCode;
    };
    std::vector<Offer> offers;
    for (const FilterFormat& format : FilterFormats()) {
        // A type without a stream class could only fail after the dialog.
        if (format.offered && registry.FindStream(format.typeCode) != nullptr)
            offers.push_back({QuenarText(format.nameId), format.typeCode});
    }
    std::sort(offers.begin(), offers.end(), [](const Offer& a, const Offer& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    for (const Offer& offer : offers)
        m_type->addItem(offer.name, offer.typeCode);
    m_type->setCurrentIndex(offers.empty() ? -1 : 0);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QUENAR_STR_NAME_LABEL, m_name), m_name);
    form->addRow(BuddyLabel(QUENAR_STR_FILTER_TYPE, m_type), m_type);
    layout->addLayout(form);
    auto* modes = new QGroupBox(QuenarText(QUENAR_STR_DEFINITION_MODE));
    auto* modeLayout = new QVBoxLayout(modes);
    m_mode = AddRadioButtons(this, modeLayout, QUENAR_STR_MODE_AUTOMATIC_INTERACTIVE, 3);
    CheckValue(*m_mode, DEFINITION_AUTOMATIC_INTERACTIVE);
    layout->addWidget(modes);
    layout->addWidget(OkCancel(*this));
}

int CCreateFilterDialog::TypeCode() const {
    return ComboValue(*m_type, -1);
}

CCopyFilterDialog::CCopyFilterDialog(const QString& sourceName, QWidget* parent)
    : QDialog(parent), m_name(NameField()) {
    setWindowTitle(QuenarText(QUENAR_STR_COPY_TITLE));
    m_name->setText(sourceName);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QUENAR_STR_NAME_LABEL, m_name), m_name);
    layout->addLayout(form);
    layout->addWidget(OkCancel(*this));
}

FilterAction InsertFilterInteractively(FilterManagement& management, const ClassRegistry& registry,
                                       QWidget* parent) {
    CCreateFilterDialog dialog(registry, parent);
    return RunUntilNameAccepted(dialog, *dialog.Name(), [&] {
        return management.Insert(ToStdString(dialog.Name()->text()), dialog.TypeCode(),
                                 CheckedValue(*dialog.DefinitionMode(), 0));
    });
}

FilterAction CopyFilterInteractively(FilterManagement& management, QWidget* parent) {
    if (!management.CanActOnSelection())
        return FilterAction::Refused;
    const FilterListEntry& source = management.Entries()[*management.Selection()];
    CCopyFilterDialog dialog(ToQString(FilterStem(source)), parent);
    return RunUntilNameAccepted(dialog, *dialog.Name(), [&] {
        return management.Copy(ToStdString(dialog.Name()->text()));
    });
}

}  // namespace grafyon::exportfilter
