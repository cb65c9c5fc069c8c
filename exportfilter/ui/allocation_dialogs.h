// Binding datasets to a filter's channel definitions: "Allocation of datasets" with its
// row editor "Dataset allocations", and "Select datasets" for filters that export every
// chosen dataset through copies of their first definition.
#pragma once

#include <QDialog>

#include <vector>

#include "common/quenar_select_item.h"
#include "exportfilter/engine/allocation.h"

class QComboBox;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace grafyon::exportfilter {

class CQuenarClass;
class QuenarMessenger;

class CAllocationDialog : public QDialog {
    Q_OBJECT
public:
    CAllocationDialog(const CQuenarClass& filter, std::vector<QuenarAllocationEntry>& entries,
                      QuenarSelectList& records, QuenarMessenger& messenger,
                      QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* AutomaticButton() const { return m_automatic; }

    // "&Edit...": the selected row in "Dataset allocations".
    void EditRow();
    void Automatic();
    // Closes only when the rows select and bind the records.
    void accept() override;

private:
    void Fill(int selectRow);

    std::vector<QuenarAllocationEntry>& m_entries;
    QuenarSelectList& m_records;
    QuenarMessenger& m_messenger;
    QTreeWidget* m_list;
    QPushButton* m_edit;
    QPushButton* m_automatic;
};

// "Dataset allocations": one row's source dataset, chosen from the record names.
class CDatasetAllocationDialog : public QDialog {
    Q_OBJECT
public:
    CDatasetAllocationDialog(const QuenarAllocationEntry& entry, const QuenarSelectList& records,
                             QWidget* parent = nullptr);

    QComboBox* Source() const { return m_source; }

private:
    QComboBox* m_source;
};

class CSelectDatasetsDialog : public QDialog {
    Q_OBJECT
public:
    CSelectDatasetsDialog(const CQuenarClass& filter, QuenarSelectList& records,
                          QuenarMessenger& messenger, QWidget* parent = nullptr);

    QListWidget* List() const { return m_list; }
    QPushButton* SelectAllButton() const { return m_selectAll; }

    void accept() override;

private:
    QuenarSelectList& m_records;
    QuenarMessenger& m_messenger;
    QListWidget* m_list;
    QPushButton* m_selectAll;
};

}  // namespace grafyon::exportfilter
