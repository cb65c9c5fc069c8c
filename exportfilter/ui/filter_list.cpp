// The filter list and the folder labels of the filter dialogs.
#include "filter_list.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>

#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/filter_management.h"
#include "exportfilter/engine/format_table.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

CFilterList::CFilterList(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    setHeaderLabels({QuenarText(QUENAR_STR_COLUMN_NAME), QuenarText(QUENAR_STR_COLUMN_LOCATION),
                     QuenarText(QUENAR_STR_COLUMN_TYPE), QuenarText(QUENAR_STR_DESCRIPTION)});
    const int widths[] = {80, 40, 130, 120};
    for (int column = 0; column < 4; ++column)
        setColumnWidth(column, DialogUnitsX(*this, widths[column]));
    header()->setStretchLastSection(true);
}

void CFilterList::Fill(const FilterManagement& management) {
    clear();
    for (const FilterListEntry& entry : management.Entries()) {
        // Item texts are plain text: names and designations from files are never markup.
        auto* item =
            new QTreeWidgetItem({ToQString(entry.name), ToQString(LocationText(entry.location)),
                                 ToQString(FilterFormatName(entry.valid ? entry.typeCode : -1)),
                                 ToQString(entry.designation)});
        addTopLevelItem(item);
    }
    if (const std::optional<std::size_t> row = management.Selection()) {
        if (QTreeWidgetItem* item = topLevelItem(static_cast<int>(*row))) {
            item->setSelected(true);
            setCurrentItem(item);
            scrollToItem(item);
        }
    }
}

std::optional<std::size_t> CFilterList::SelectedRow() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    const int row = indexOfTopLevelItem(items.front());
    return row >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(row)) : std::nullopt;
}

void FolderLabels::Show(const FilterManagement& management) const {
    localPath->setText(ToQString(management.Folders().local));
    localAccess->setText(ToQString(FolderAccessText(management.LocalAccess())));
    globalPath->setText(ToQString(management.Folders().global));
    globalAccess->setText(ToQString(FolderAccessText(management.GlobalAccess())));
}

FolderLabels AddFolderLabels(QGridLayout& grid, int firstRow) {
    FolderLabels labels;
    const auto plain = [] {
        auto* label = new QLabel;
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    };
    labels.localPath = plain();
    labels.localAccess = plain();
    labels.globalPath = plain();
    labels.globalAccess = plain();
    grid.addWidget(new QLabel(QuenarText(QUENAR_STR_LOCAL_FOLDER)), firstRow, 0);
    grid.addWidget(labels.localPath, firstRow, 1);
    grid.addWidget(labels.localAccess, firstRow, 2);
    grid.addWidget(new QLabel(QuenarText(QUENAR_STR_GLOBAL_FOLDER)), firstRow + 1, 0);
    grid.addWidget(labels.globalPath, firstRow + 1, 1);
    grid.addWidget(labels.globalAccess, firstRow + 1, 2);
    grid.setColumnStretch(1, 1);
    return labels;
}

}  // namespace grafyon::exportfilter
