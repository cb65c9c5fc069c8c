// The dockable panel of the measurement between the two cursors.
#pragma once

#include <QDockWidget>
#include <QStringList>

class QLabel;
class QPushButton;
class QTableWidget;

namespace grafyon {

class CGrafyonDoc;
struct CursorMeasurement;

// Lists for every visible curve the values at cursors A and B, Δt, 1/Δt, Δy and the
// statistics of the frames between them, and copies that table as tab-separated text.
// It follows the document's hints, and only while it is shown: a hidden panel costs a
// cursor step nothing.
class CMeasurementPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit CMeasurementPanel(CGrafyonDoc& document, QWidget* parent = nullptr);
    ~CMeasurementPanel() override;

    // The column titles in the user's language.
    static QStringList ColumnTitles();
    // The table as CopyTable puts it on the clipboard; empty without both cursors.
    QString TableText() const;
    // Puts TableText on the clipboard.
    void CopyTable();
    // Measures again now (the hints ask for it on the next turn of the event loop).
    void Refresh();
    QTableWidget* Table() const { return m_table; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ScheduleRefresh();

    CGrafyonDoc& m_document;
    QLabel* m_hint = nullptr;
    QTableWidget* m_table = nullptr;
    QPushButton* m_copy = nullptr;
    bool m_refreshPending = false;
};

}  // namespace grafyon
