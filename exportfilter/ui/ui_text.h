// Texts of the library's dialogs: the string table as QString, stored text fields in and
// out of edit controls, numbers shown and read without the process locale, dialog units.
#pragma once

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace grafyon::exportfilter {

// The table text of id in the process language.
QString QuenarText(int id);

QString ToQString(const std::string& utf8);
std::string ToStdString(const QString& text);

// A multi-line field as an editor shows it ("\n"), and back with the CR LF line ends that
// the filter files hold.
QString StoredTextForEditor(const std::string& stored);
std::string EditorTextForStorage(const QString& edited);

// A floating-point value as an edit field shows it: the shortest text that reads back as
// the same value ("%.15g" form, decimal point).
QString NumberText(double value);
// The number an edit field holds: a decimal point, or a decimal comma as the user's locale
// may type it; blanks around it are allowed. Nothing when the text is not one finite number.
std::optional<double> ParseNumberText(const QString& text);

// Horizontal dialog units (a quarter of the average character width) as pixels in the widget's
// font.
int DialogUnitsX(const QWidget& widget, int units);

}  // namespace grafyon::exportfilter
