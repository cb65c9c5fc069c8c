// Message boxes of the library.
#include "message_box_sink.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include "dialog_parent.h"
#include "exportfilter/engine/export_strings.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

MessageAnswer CMessageBoxSink::ShowMessage(int, const std::string& text, MessageButtons buttons) {
    QMessageBox box(DialogParent(m_owner));
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    struct Choice {
        QMessageBox::StandardButton button;
        int textId;
        MessageAnswer answer;
    };
    std::vector<Choice> choices;
    switch (buttons) {
        case MessageButtons::YesNo:
            box.setIcon(QMessageBox::Question);
            choices = {{QMessageBox::Yes, QUENAR_STR_YES, MessageAnswer::Yes},
                       {QMessageBox::No, QUENAR_STR_NO, MessageAnswer::No}};
            break;
        case MessageButtons::OkCancel:
            box.setIcon(QMessageBox::Warning);
            choices = {{QMessageBox::Ok, QUENAR_STR_OK, MessageAnswer::Ok},
                       {QMessageBox::Cancel, QUENAR_STR_CANCEL, MessageAnswer::Cancel}};
            break;
        case MessageButtons::Ok:
            box.setIcon(QMessageBox::Warning);
            choices = {{QMessageBox::Ok, QUENAR_STR_OK, MessageAnswer::Ok}};
            break;
    }
    for (const Choice& choice : choices)
        box.addButton(choice.button)->setText(QuenarText(choice.textId));
    box.setDefaultButton(choices.front().button);
    // Closing the box without a button counts as the last choice (No, Cancel or OK).
    box.setEscapeButton(choices.back().button);
    const int result = box.exec();
    for (const Choice& choice : choices) {
        if (result == choice.button)
            return choice.answer;
    }
    return choices.back().answer;
}

}  // namespace grafyon::exportfilter
