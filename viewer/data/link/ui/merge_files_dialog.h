// "Merge Files": the ordered list of recordings to link, with the buttons that fill and order
// it, the creation mode and whether the result is opened.
#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <vector>

class QCheckBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace grafyon {

// What the dialog shows and what it gives back.
struct MergeFilesState {
    QStringList files;           // full paths, in the order of the new time line
    std::vector<int> selection;  // rows selected when the dialog opens
    int mode = 0;                // 0 link in place, 1 one new data file
    bool openCreated = true;
};

// How the dialog reaches beyond itself; empty functions do nothing (no file is chosen, every
// file passes).
struct MergeFilesHooks {
    // The open-file dialog of "&Insert": the chosen files.
    std::function<QStringList()> chooseFiles;
    // The file check of an inserted or dropped file: true when it may be listed (a file that
    // may not has been explained to the user).
    std::function<bool(const QString& path)> checkFile;
    // "I&nfo": the file information of a listed file.
    std::function<void(const QString& path)> showInfo;
};

class CMergeFilesDialog : public QDialog {
    Q_OBJECT
public:
    CMergeFilesDialog(QWidget* parent, const MergeFilesState& initial, MergeFilesHooks hooks);

    // The list, the mode and the flag as they are now, with the rows selected.
    MergeFilesState State() const;
    QListWidget* List() const { return m_list; }

    // The buttons' actions.
    void Insert();
    void Duplicate();
    void Remove();
    void MoveUp();
    void MoveDown();
    void ShowInfo();
    // Checks and appends files (their extension must be .mdf, .mcf or .tks when dropped);
    // the appended entries become the selection. The number appended.
    int AddFiles(const QStringList& paths, bool dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<int> SelectedRows() const;
    void Select(const std::vector<int>& rows);
    void UpdateButtons();

    MergeFilesHooks m_hooks;
    QListWidget* m_list = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_duplicate = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    QPushButton* m_info = nullptr;
    QRadioButton* m_linkMode = nullptr;
    QRadioButton* m_mergeMode = nullptr;
    QCheckBox* m_open = nullptr;
};

// Whether a dropped file is one the list takes by its extension (any case).
bool IsLinkableExtension(const QString& path);

}  // namespace grafyon
