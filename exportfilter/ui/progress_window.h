// "Data export": the modeless progress window of a run, with a bar, a percentage, a count
// and Cancel. Its owner window is disabled while it shows.
#pragma once

#include <QDialog>
#include <QPointer>

#include <cstdint>

#include "exportfilter/engine/export_dialogs.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace grafyon::exportfilter {

class CProgressWindow : public QDialog, public ProgressDisplay {
    Q_OBJECT
public:
    // owner null: the active window at opening is the owner.
    CProgressWindow(ProgressMode mode, QWidget* owner);
    // Enables the owner again when it was enabled before the window opened.
    ~CProgressWindow() override;

    // Dispatches the pending events first, then shows percent (below 0: unchanged; above
    // 100: 100) and count (below 0: unchanged; "count-total" when total >= 1). False when
    // Cancel was pressed since the last call.
    bool Update(double percent, std::int64_t count, std::int64_t total) override;
    void ShowInformation(int stringId) override;

    QProgressBar* Bar() const { return m_bar; }
    QLabel* Percent() const { return m_percent; }
    QLabel* CountLabel() const { return m_countLabel; }
    QLabel* Count() const { return m_count; }
    QLabel* Information() const { return m_information; }
    QPushButton* CancelButton() const { return m_cancel; }

    // Escape and the window's close button count as Cancel.
    void reject() override;

private:
    QPointer<QWidget> m_owner;
    bool m_ownerWasEnabled = false;
    bool m_cancelled = false;
    QProgressBar* m_bar;
    QLabel* m_percent;
    QLabel* m_countLabel;
    QLabel* m_count;
    QLabel* m_information;
    QPushButton* m_cancel;
};

}  // namespace grafyon::exportfilter
