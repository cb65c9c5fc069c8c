// Showing and hiding the main window's toolbars.
#include "toolbars_dialog.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace grafyon {

CToolbarsDialog::CToolbarsDialog(std::vector<QToolBar*> toolbars, QWidget* parent)
    : QDialog(parent), m_toolbars(std::move(toolbars)) {
    setWindowTitle(tr("Toolbars"));
    m_list = new QListWidget(this);
    for (QToolBar* bar : m_toolbars) {
        auto* item = new QListWidgetItem(bar->windowTitle(), m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(bar->isVisible() ? Qt::Checked : Qt::Unchecked);
    }
    connect(m_list, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const int row = m_list->row(item);
        if (row >= 0 && static_cast<std::size_t>(row) < m_toolbars.size())
            m_toolbars[static_cast<std::size_t>(row)]->setVisible(item->checkState() ==
                                                                  Qt::Checked);
    });
    auto* on = new QPushButton(tr("Switch o&n all"), this);
    auto* off = new QPushButton(tr("Switch o&ff all"), this);
    auto* close = new QPushButton(tr("Close"), this);
    close->setDefault(true);
    connect(on, &QPushButton::clicked, this, [this] { SwitchAll(true); });
    connect(off, &QPushButton::clicked, this, [this] { SwitchAll(false); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(close);
    buttons->addWidget(on);
    buttons->addWidget(off);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
}

void CToolbarsDialog::SwitchAll(bool on) {
    for (int row = 0; row < m_list->count(); ++row)
        m_list->item(row)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

}  // namespace grafyon
