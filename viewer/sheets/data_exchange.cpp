// The field checks of the dialogs and their messages.
#include "viewer/sheets/data_exchange.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QWidget>

#include <utility>

#include "common/printf_format.h"

namespace grafyon {

void ShowSheetMessage(const SheetMessageSink& sink, QWidget* parent, const QString& text,
                      SheetMessageIcon icon) {
    if (sink) {
        sink(parent, text, icon);
        return;
    }
    QMessageBox box(
        icon == SheetMessageIcon::Information ? QMessageBox::Information : QMessageBox::Warning,
        QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
}

DataExchange::DataExchange(QWidget* dialog, SheetMessageSink sink, bool silent)
    : m_dialog(dialog), m_sink(std::move(sink)), m_silent(silent) {}

QString DataExchange::FieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(field))
        return spin->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    return {};
}

QString DataExchange::MessageText(FieldError error, const QString& minimum,
                                  const QString& maximum) {
    switch (error) {
        case FieldError::NotInteger:
            return tr("Please enter an integer.");
        case FieldError::NotNumber:
            return tr("Please enter a number.");
        case FieldError::IntegerOutOfRange:
            return tr("Please enter an integer between %1 and %2.").arg(minimum, maximum);
        case FieldError::NumberOutOfRange:
            return tr("Please enter a number between %1 and %2.").arg(minimum, maximum);
        case FieldError::None:
            break;
    }
    return {};
}

bool DataExchange::Fail(QWidget* field, FieldError error, const QString& minimum,
                        const QString& maximum) {
    m_failedField = field;
    m_error = error;
    if (m_silent)
        return false;
    ShowSheetMessage(m_sink, m_dialog, MessageText(error, minimum, maximum),
                     SheetMessageIcon::Warning);
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) {
        spin->selectAll();
    } else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
    }
    return false;
}

bool DataExchange::Integer(QWidget* field, int& value) {
    if (Failed())
        return false;
    const std::optional<int> parsed = ParseIntegerField(FieldText(field).toStdString());
    if (!parsed)
        return Fail(field, FieldError::NotInteger, {}, {});
    value = *parsed;
    return true;
}

bool DataExchange::Integer(QWidget* field, int minimum, int maximum, int& value) {
    if (Failed())
        return false;
    int parsed = 0;
    const FieldError error =
        CheckIntegerField(FieldText(field).toStdString(), minimum, maximum, parsed);
    if (error != FieldError::None)
        return Fail(field, error, QString::number(minimum), QString::number(maximum));
    value = parsed;
    return true;
}

bool DataExchange::Number(QWidget* field, double& value) {
    if (Failed())
        return false;
    double parsed = 0.0;
    if (CheckNumberField(FieldText(field).toStdString(), parsed) != FieldError::None)
        return Fail(field, FieldError::NotNumber, {}, {});
    value = parsed;
    return true;
}

bool DataExchange::Number(QWidget* field, double minimum, double maximum, double& value) {
    if (Failed())
        return false;
    double parsed = 0.0;
    const FieldError error =
        CheckNumberField(FieldText(field).toStdString(), minimum, maximum, parsed);
    if (error != FieldError::None) {
        return Fail(field, error, QString::fromStdString(FormatPrintf("%g", minimum)),
                    QString::fromStdString(FormatPrintf("%g", maximum)));
    }
    value = parsed;
    return true;
}

}  // namespace grafyon
