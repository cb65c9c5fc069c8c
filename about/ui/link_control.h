// A text that opens its web or mail target with the desktop's URL handler.
#pragma once

#include <QLabel>

namespace grafyon::about {

class CLinkControl : public QLabel {
    Q_OBJECT
public:
    enum class Kind { Web, Mail };
    CLinkControl(Kind kind, QWidget* parent = nullptr);

    // The text shown; the target is the text itself (a web address) or "mailto:" with it.
    void SetLinkText(const QString& text);
    const QString& LinkText() const { return m_text; }
    QUrl Target() const;

    // 0 when the handler took the target, -1 for an empty target, -2 when it failed.
    int Open();

private:
    Kind m_kind;
    QString m_text;
};

}  // namespace grafyon::about
