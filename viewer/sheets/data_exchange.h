// Reading dialog fields with checks: a refused entry is reported and focused.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <functional>

#include "viewer/sheets/field_parse.h"

class QWidget;

namespace grafyon {

enum class SheetMessageIcon { Information, Warning };

// Shows a message over parent. Callers may route it elsewhere (the application's message
// boxes, a test's record); an empty sink shows a modal message box.
using SheetMessageSink =
    std::function<void(QWidget* parent, const QString& text, SheetMessageIcon icon)>;
void ShowSheetMessage(const SheetMessageSink& sink, QWidget* parent, const QString& text,
                      SheetMessageIcon icon);

// One pass over a dialog's fields. The first refused entry is reported with its
// message and gets the focus with its text selected, so the user corrects it
// while the dialog stays open; every later call of the same pass returns false at once.
// A field is a QLineEdit, a QAbstractSpinBox or an editable QComboBox.
class DataExchange {
    Q_DECLARE_TR_FUNCTIONS(DataExchange)
public:
    // A silent pass only checks: no message, no focus change.
    explicit DataExchange(QWidget* dialog, SheetMessageSink sink = {}, bool silent = false);

    bool Integer(QWidget* field, int& value);
    bool Integer(QWidget* field, int minimum, int maximum, int& value);
    bool Number(QWidget* field, double& value);
    bool Number(QWidget* field, double minimum, double maximum, double& value);

    bool Failed() const { return m_failedField != nullptr; }
    QWidget* FailedField() const { return m_failedField; }
    FieldError Error() const { return m_error; }

    // "Please enter an integer." and its kin, with the limits filled in.
    static QString MessageText(FieldError error, const QString& minimum = {},
                               const QString& maximum = {});
    static QString FieldText(const QWidget* field);

private:
    bool Fail(QWidget* field, FieldError error, const QString& minimum, const QString& maximum);

    QWidget* m_dialog;
    SheetMessageSink m_sink;
    bool m_silent;
    QWidget* m_failedField = nullptr;
    FieldError m_error = FieldError::None;
};

}  // namespace grafyon
