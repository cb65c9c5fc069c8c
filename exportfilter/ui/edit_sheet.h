// A property sheet of pages that edit one object: values reach the object only when the
// sheet is confirmed and every page has accepted its values.
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QTabWidget;

namespace grafyon::exportfilter {

class EditPage : public QWidget {
    Q_OBJECT
public:
    explicit EditPage(QString title, QWidget* parent = nullptr);

    const QString& Title() const { return m_title; }
    // Checks the values on OK; false keeps the sheet open on this page, after the page has
    // said why and put the focus where the fault is.
    virtual bool Validate() { return true; }
    // Copies the values into the edited object; called only after every page validated.
    virtual void Apply() = 0;

private:
    QString m_title;
};

class CEditSheet : public QDialog {
    Q_OBJECT
public:
    // What a check of the whole sheet decides on OK.
    enum class Verdict { Accept, Stay, Discard };
    using Check = std::function<Verdict(CEditSheet&)>;

    explicit CEditSheet(const QString& title, QWidget* parent = nullptr);

    void AddPage(std::unique_ptr<EditPage> page);
    int PageCount() const;
    EditPage* Page(int index) const;
    void ShowPage(int index);
    int CurrentPage() const;
    // The first page of the given type, or null.
    template <class T>
    T* FindPage() const {
        for (int i = 0; i < PageCount(); ++i) {
            if (auto* page = qobject_cast<T*>(Page(i)))
                return page;
        }
        return nullptr;
    }

    // Runs after the pages validated and before they apply.
    void SetCheck(Check check) { m_check = std::move(check); }

    void accept() override;

private:
    QTabWidget* m_tabs;
    std::vector<EditPage*> m_pages;  // owned by the tab widget
    Check m_check;
};

}  // namespace grafyon::exportfilter
