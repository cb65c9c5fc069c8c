// The "Toolbars" dialog: one check box per toolbar, applied at once.
#pragma once

#include <QDialog>

#include <vector>

class QListWidget;
class QToolBar;

namespace grafyon {

class CToolbarsDialog : public QDialog {
    Q_OBJECT
public:
    CToolbarsDialog(std::vector<QToolBar*> toolbars, QWidget* parent = nullptr);

    QListWidget& List() { return *m_list; }
    // "Switch o&n all" and "Switch o&ff all".
    void SwitchAll(bool on);

private:
    std::vector<QToolBar*> m_toolbars;
    QListWidget* m_list = nullptr;
};

}  // namespace grafyon
