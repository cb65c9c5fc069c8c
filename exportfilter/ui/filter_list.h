// The list of filter files the management and selection dialogs show: "Name", "Ort",
// "Type" and "Description", one row per listed entry, single selection.
#pragma once

#include <QTreeWidget>

#include <optional>
#include <vector>

#include "exportfilter/engine/filter_folder.h"

class QGridLayout;
class QLabel;

namespace grafyon::exportfilter {

class FilterManagement;

class CFilterList : public QTreeWidget {
    Q_OBJECT
public:
    explicit CFilterList(QWidget* parent = nullptr);

    // The entries of the management object, its selection selected and shown.
    void Fill(const FilterManagement& management);
    // The selected row, or nothing.
    std::optional<std::size_t> SelectedRow() const;
};

// "Local folder:" and "Global folder:" with their paths and access texts, for a grid
// of labels the dialog owns.
struct FolderLabels {
    QLabel* localPath = nullptr;
    QLabel* localAccess = nullptr;
    QLabel* globalPath = nullptr;
    QLabel* globalAccess = nullptr;

    void Show(const FilterManagement& management) const;
};

FolderLabels AddFolderLabels(QGridLayout& grid, int firstRow);

}  // namespace grafyon::exportfilter
