// Texts of the library's dialogs.
#include "ui_text.h"

#include <QFontMetrics>
#include <QWidget>

#include <cmath>

#include "common/number_parse.h"
#include "common/printf_format.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/path_text.h"

namespace grafyon::exportfilter {

QString QuenarText(int id) {
    return ToQString(QuenarString(id));
}

QString ToQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string ToStdString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

QString StoredTextForEditor(const std::string& stored) {
    return ToQString(CrLfToLineFeeds(stored));
}

std::string EditorTextForStorage(const QString& edited) {
    // A lone CR (pasted from an old Mac text) is a line end too.
    QString text = edited;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar(QChar::ParagraphSeparator), QLatin1Char('\n'));
    text.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
    return LineFeedsToCrLf(ToStdString(text));
}

QString NumberText(double value) {
    for (int precision = 15; precision <= 17; ++precision) {
        const std::string text = FormatPrintf("%.*g", precision, value);
        if (ParseDouble(text) == value)
            return ToQString(text);
    }
    return ToQString(FormatPrintf("%.17g", value));
}

std::optional<double> ParseNumberText(const QString& text) {
    QString trimmed = text.trimmed();
    if (!trimmed.contains(QLatin1Char('.')) && trimmed.count(QLatin1Char(',')) == 1)
        trimmed.replace(QLatin1Char(','), QLatin1Char('.'));
    const std::optional<double> value = ParseDouble(ToStdString(trimmed));
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return value;
}

int DialogUnitsX(const QWidget& widget, int units) {
    return widget.fontMetrics().averageCharWidth() * units / 4;
}

}  // namespace grafyon::exportfilter
