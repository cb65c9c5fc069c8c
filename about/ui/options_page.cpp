// Options page of the about box.
#include "options_page.h"

#include <QApplication>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "about/about_strings.h"

namespace grafyon::about {

COptionsPage::COptionsPage(const std::vector<OptionRow>& options, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    auto* list = new QTreeWidget;
    list->setObjectName(QStringLiteral("options"));
    list->setRootIsDecorated(false);
    list->setIconSize(QSize(16, 16));
    list->setHeaderLabels({QString::fromStdString(BriselString(BRISEL_STR_COLUMN_STATUS)),
                           QString::fromStdString(BriselString(BRISEL_STR_COLUMN_OPTION)),
                           QString::fromStdString(BriselString(BRISEL_STR_COLUMN_DESCRIPTION))});
    list->setColumnWidth(0, 60);
    list->setColumnWidth(1, 70);
    list->setColumnWidth(2, 400);
    const QIcon on = style()->standardIcon(QStyle::SP_DialogApplyButton);
    const QIcon off = style()->standardIcon(QStyle::SP_DialogCancelButton);
    for (const OptionRow& row : options) {
        auto* item = new QTreeWidgetItem(
            {QString(), QString::fromStdString(row.name), QString::fromStdString(row.comment)});
        // The state shows as an image; the number stays readable as a tip.
        item->setIcon(0, row.status != 0 ? on : off);
        item->setData(0, Qt::UserRole, row.status);
        item->setToolTip(0, QString::number(row.status));
        list->addTopLevelItem(item);
    }
    layout->addWidget(list);
}

}  // namespace grafyon::about
