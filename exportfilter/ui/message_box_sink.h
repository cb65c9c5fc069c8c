// The library's messages as Qt message boxes, always with plain text: a file name or a
// stored text in a message is never read as markup.
#pragma once

#include <QPointer>
#include <QWidget>

#include "exportfilter/engine/quenar_message.h"

namespace grafyon::exportfilter {

class CMessageBoxSink : public MessageSink {
public:
    // owner null: the box opens over the active window.
    explicit CMessageBoxSink(QWidget* owner) : m_owner(owner) {}

    MessageAnswer ShowMessage(int id, const std::string& text, MessageButtons buttons) override;

private:
    QPointer<QWidget> m_owner;
};

}  // namespace grafyon::exportfilter
