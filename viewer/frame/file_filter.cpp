// Conversion of the string table's file-type filters for Qt's file dialogs.
#include "file_filter.h"

namespace grafyon {

QStringList NameFiltersFromTable(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString patterns = parts[i + 1];
        if (description.isEmpty() || patterns.trimmed().isEmpty())
            break;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        patterns.replace(QLatin1Char(','), QLatin1Char(' '));
        result << QStringLiteral("%1 (%2)").arg(description, patterns.simplified());
    }
    return result;
}

}  // namespace grafyon
