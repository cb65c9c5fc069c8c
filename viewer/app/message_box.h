// Message boxes that never block a run without a display.
#pragma once

#include <QString>

class QWidget;

namespace grafyon {

enum class MessageIcon { Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// True when the process runs on a platform nobody can see (offscreen, minimal).
bool IsBatchMode();

// Shows text modally with the viewer's title. In batch mode the text goes to standard
// error instead and the default answer is returned at once.
MessageAnswer ShowMessageBox(const QString& text, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok,
                             MessageAnswer defaultAnswer = MessageAnswer::Ok,
                             QWidget* parent = nullptr);

// The line that batch mode prints for a message: "Grafy: <text>" plus a line feed.
QByteArray BatchMessageLine(const QString& text);
// Writes that line to standard error.
void PrintMessageLine(const QString& text);

}  // namespace grafyon
