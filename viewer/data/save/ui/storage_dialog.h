// The "Storage" dialog: what "Save As" stores and whether it opens the result.
#pragma once

#include <QDialog>

#include <string>

#include "viewer/data/save/save_plan.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace grafyon {

struct StorageOptions {
    StoreMode mode = StoreMode::All;
    bool withRanges = true;
    bool withComments = true;
    std::string userComment;  // empty: none
    bool openStored = false;
};

class CStorageDialog : public QDialog {
    Q_OBJECT
public:
    CStorageDialog(QWidget* parent, const StorageOptions& initial);

    // The options as the controls show them.
    StorageOptions Options() const;

    QRadioButton* ModeButton(StoreMode mode) const;
    QCheckBox* RangesBox() const { return m_ranges; }
    QCheckBox* CommentsBox() const { return m_comments; }
    QLineEdit* CommentEdit() const { return m_comment; }
    QCheckBox* OpenBox() const { return m_open; }

private:
    QRadioButton* m_all = nullptr;
    QRadioButton* m_inside = nullptr;
    QRadioButton* m_outside = nullptr;
    QCheckBox* m_ranges = nullptr;
    QCheckBox* m_comments = nullptr;
    QLineEdit* m_comment = nullptr;
    QCheckBox* m_open = nullptr;
};

}  // namespace grafyon
