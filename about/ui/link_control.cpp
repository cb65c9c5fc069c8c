// Link controls of the Support page.
#include "link_control.h"

#include <QDesktopServices>
#include <QUrl>

namespace grafyon::about {

CLinkControl::CLinkControl(Kind kind, QWidget* parent) : QLabel(parent), m_kind(kind) {
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(this, &QLabel::linkActivated, this, [this] { Open(); });
}

void CLinkControl::SetLinkText(const QString& text) {
    m_text = text.trimmed();
    setText(m_text.isEmpty() ? QString()
                             : QStringLiteral("<a href=\"#\">%1</a>").arg(m_text.toHtmlEscaped()));
}

QUrl CLinkControl::Target() const {
    if (m_text.isEmpty())
        return {};
    if (m_kind == Kind::Mail)
        return QUrl(QStringLiteral("mailto:") + m_text, QUrl::TolerantMode);
    return QUrl::fromUserInput(m_text);
}

int CLinkControl::Open() {
    const QUrl target = Target();
    if (target.isEmpty())
        return -1;
    return QDesktopServices::openUrl(target) ? 0 : -2;
}

}  // namespace grafyon::about
