// The "Range properties" dialog and its checks of the typed positions.
#include "range_properties_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "viewer/ranges/range_position.h"
#include "viewer/view/model/range_list.h"

namespace grafyon {

CRangePropertiesDialog::CRangePropertiesDialog(QWidget* parent, const RangeProperties& initial,
                                               std::int64_t sampleCount)
    : QDialog(parent), m_values(initial), m_sampleCount(sampleCount) {
    setWindowTitle(tr("Range properties"));
    m_active = new QCheckBox(tr("&Active"), this);
    m_active->setChecked(initial.active);
    m_name = new QLineEdit(QString::fromStdString(initial.name), this);
    m_commentary = new QLineEdit(QString::fromStdString(initial.commentary), this);
    m_start = new QLineEdit(QString::number(initial.start + RANGE_DISPLAY_OFFSET), this);
    m_end = new QLineEdit(QString::number(initial.end + RANGE_DISPLAY_OFFSET), this);

    auto* form = new QFormLayout;
    form->addRow(m_active);
    form->addRow(tr("&Name:"), m_name);
    form->addRow(tr("&Commentary:"), m_commentary);
    form->addRow(tr("&Start position:"), m_start);
    form->addRow(tr("&End position:"), m_end);

    auto* buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    m_ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRangePropertiesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CRangePropertiesDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    m_name->setMinimumWidth(260);
    m_name->setFocus();
}

bool CRangePropertiesDialog::ReadPosition(QLineEdit* edit, std::int64_t& sample) {
    const std::int64_t first = RANGE_DISPLAY_OFFSET;
    const std::int64_t last = m_sampleCount - 1 + RANGE_DISPLAY_OFFSET;
    const RangePositionResult result = ParseRangePosition(edit->text().toStdString(), first, last);
    if (result.error == RangePositionError::None) {
        sample = result.value - RANGE_DISPLAY_OFFSET;
        return true;
    }
    // A recording without samples has no valid position; say so with the plain message.
    const QString message = result.error == RangePositionError::NotAnInteger || last < first
                                ? tr("Please enter an integer.")
                                : tr("Please enter an integer between %1 and %2.")
                                      .arg(QString::number(first), QString::number(last));
    QMessageBox::warning(this, QApplication::applicationDisplayName(), message);
    edit->setFocus();
    edit->selectAll();
    return false;
}

void CRangePropertiesDialog::accept() {
    std::int64_t start = 0;
    std::int64_t end = 0;
    if (!ReadPosition(m_start, start) || !ReadPosition(m_end, end))
        return;
    // Stored through a range so that order and trimming follow the range's own rules.
    const CRange range(start, end, m_active->isChecked(), m_name->text().toStdString(),
                       m_commentary->text().toStdString());
    m_values = {range.Active(), range.Name(), range.Commentary(), range.Start(), range.End()};
    QDialog::accept();
}

}  // namespace grafyon
