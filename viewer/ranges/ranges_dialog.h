// "Ranges": the administration of a document's ranges on a copy of its list.
#pragma once

#include <QDialog>

#include <cstdint>

#include "viewer/view/model/range_list.h"

class QPushButton;

namespace grafyon {

class CGridCtrl;
class CRangePropertiesDialog;

// The caller takes Ranges() into the document after OK; Cancel leaves the document's list
// untouched because the dialog only ever changes its copy.
class CRangesDialog : public QDialog {
    Q_OBJECT
public:
    CRangesDialog(QWidget* parent, const CRangeList& documentList, std::int64_t sampleCount);

    const CRangeList& Ranges() const { return m_ranges; }

    CGridCtrl* Grid() const { return m_grid; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* RemoveButton() const { return m_remove; }
    QPushButton* AllActiveButton() const { return m_allActive; }
    QPushButton* AllInactiveButton() const { return m_allInactive; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }
    // The "Range properties" dialog while "&Edit..." has it open, else nullptr.
    CRangePropertiesDialog* OpenEditor() const { return m_editor; }

private:
    void EditSelected();
    void RemoveSelected();
    void SetAll(bool active);
    void Refill();
    void UpdateButtons();

    CRangeList m_ranges;
    std::int64_t m_sampleCount = 0;
    CGridCtrl* m_grid = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_allActive = nullptr;
    QPushButton* m_allInactive = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    CRangePropertiesDialog* m_editor = nullptr;
};

}  // namespace grafyon
