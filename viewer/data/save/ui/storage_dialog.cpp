// The "Storage" dialog's controls.
#include "storage_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace grafyon {

CStorageDialog::CStorageDialog(QWidget* parent, const StorageOptions& initial) : QDialog(parent) {
    setWindowTitle(tr("Storage"));
    auto* modes = new QGroupBox(this);
    m_all = new QRadioButton(tr("&Store all datas"), modes);
    m_inside = new QRadioButton(tr("Store only data &inside of ranges"), modes);
    m_outside = new QRadioButton(tr("Store all data &outside of the ranges"), modes);
    auto* modeLayout = new QVBoxLayout(modes);
    for (QRadioButton* button : {m_all, m_inside, m_outside})
        modeLayout->addWidget(button);
    ModeButton(initial.mode)->setChecked(true);

    m_ranges = new QCheckBox(tr("Store &range information"), this);
    m_ranges->setChecked(initial.withRanges);
    m_comments = new QCheckBox(tr("&Apply commentaries"), this);
    m_comments->setChecked(initial.withComments);
    auto* commentLabel = new QLabel(tr("&User defined Commentary"), this);
    m_comment = new QLineEdit(QString::fromStdString(initial.userComment), this);
    m_comment->setMinimumWidth(320);
    commentLabel->setBuddy(m_comment);
    m_open = new QCheckBox(tr("O&pen the stored file"), this);
    m_open->setChecked(initial.openStored);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(modes);
    layout->addWidget(m_ranges);
    layout->addWidget(m_comments);
    layout->addWidget(commentLabel);
    layout->addWidget(m_comment);
    layout->addWidget(m_open);
    layout->addWidget(buttons);
}

QRadioButton* CStorageDialog::ModeButton(StoreMode mode) const {
    switch (mode) {
        case StoreMode::InsideRanges:
            return m_inside;
        case StoreMode::OutsideRanges:
            return m_outside;
        case StoreMode::All:
            break;
    }
    return m_all;
}

StorageOptions CStorageDialog::Options() const {
    StorageOptions options;
    options.mode = m_inside->isChecked()    ? StoreMode::InsideRanges
                   : m_outside->isChecked() ? StoreMode::OutsideRanges
                                            : StoreMode::All;
    options.withRanges = m_ranges->isChecked();
    options.withComments = m_comments->isChecked();
    options.userComment = m_comment->text().toStdString();
    options.openStored = m_open->isChecked();
    return options;
}

}  // namespace grafyon
