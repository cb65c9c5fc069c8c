// A tabbed dialog of property pages with OK and Cancel, checking a page's fields as it is left.
#pragma once

#include <QDialog>

#include <utility>

#include "viewer/sheets/data_exchange.h"

class QPushButton;
class QTabWidget;

namespace grafyon {

class CPropertyPage;

// A page is only left, and OK only closes the sheet, when the page's fields pass their
// checks; otherwise the refused field is reported and focused and the sheet stays. Cancel
// closes without touching anything.
class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);

    // The sheet takes the page as its child.
    void AddPage(CPropertyPage* page);
    int PageCount() const;
    CPropertyPage* Page(int index) const;
    int ActivePage() const { return m_current; }
    // Out-of-range indexes show the first page. Makes the page current without checking
    // the one being left: meant for opening.
    void SetActivePage(int index);

    void SetMessageSink(SheetMessageSink sink) { m_sink = std::move(sink); }
    const SheetMessageSink& Sink() const { return m_sink; }

    QTabWidget* Tabs() const { return m_tabs; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* CancelButton() const { return m_cancel; }

    void accept() override;

protected:
    // Called once every page has handed in its fields, before the sheet closes.
    virtual void OnOk() {}

private:
    void OnCurrentChanged(int index);
    bool SavePage(int index, bool silent);

    QTabWidget* m_tabs;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    SheetMessageSink m_sink;
    int m_current = 0;
    bool m_switching = false;
};

}  // namespace grafyon
