// "Creating and editing of export filter definitions": the filter list with its buttons,
// managing the local filters or, in select mode, choosing one of the local and global ones.
#pragma once

#include <QDialog>

#include <optional>
#include <string>

#include "exportfilter/engine/filter_management.h"
#include "filter_list.h"
#include "page_registry.h"

class QPushButton;

namespace grafyon::exportfilter {

struct QuenarLibraryState;

class CFilterManagementDialog : public QDialog {
    Q_OBJECT
public:
    CFilterManagementDialog(QuenarLibraryState& state, const FilterPageRegistry& pages,
                            bool selectMode, QWidget* parent = nullptr);

    FilterManagement& Management() { return m_management; }
    CFilterList* List() const { return m_list; }
    const FolderLabels& Folders() const { return m_folders; }
    // "Close" in management mode, "OK" in select mode.
    QPushButton* FirstButton() const { return m_first; }
    QPushButton* CancelButton() const { return m_cancel; }
    QPushButton* InsertButton() const { return m_insert; }
    QPushButton* CopyButton() const { return m_copy; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }

    // Select mode, after OK: the chosen filter's name (its whole file stem).
    const std::optional<std::string>& ChosenName() const { return m_chosen; }

    void Insert();
    void Copy();
    void Edit();
    void Delete();
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Refill();

    QuenarLibraryState& m_state;
    const bool m_selectMode;
    CFilterSheetEditor m_editor;
    FilterManagement m_management;
    CFilterList* m_list;
    FolderLabels m_folders;
    QPushButton* m_first;
    QPushButton* m_cancel;
    QPushButton* m_insert;
    QPushButton* m_copy;
    QPushButton* m_edit;
    QPushButton* m_delete;
    bool m_folderChecked = false;
    std::optional<std::string> m_chosen;
};

}  // namespace grafyon::exportfilter
