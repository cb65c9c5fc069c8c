// The "Save as" dialog.
#include "save_as_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "dialog_parent.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

QStringList NameFiltersFromPipeForm(std::string_view filter) {
    const QStringList parts = ToQString(std::string(filter)).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            break;  // the "||" at the end
        QStringList qtPatterns;
        for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            qtPatterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        if (qtPatterns.isEmpty())
            qtPatterns << QStringLiteral("*");
        // Qt reads the patterns from the parentheses, so the description's own go.
        const qsizetype open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        filters << description + QLatin1String(" (") + qtPatterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

std::optional<std::string> CQtSaveAsDialog::SaveAs(const std::string& title,
                                                   const std::string& proposedPath,
                                                   const std::string& fileTypeFilter) {
    const QString proposed = ToQString(proposedPath);
    QFileDialog dialog(DialogParent(m_owner.data()), ToQString(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QStringList filters = NameFiltersFromPipeForm(fileTypeFilter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        // The entry of the proposed name's extension, which the engine put first when the
        // format's list lacks it.
        const QString suffix = QFileInfo(proposed).suffix();
        const QString pattern = QLatin1String("*.") + suffix;
        for (const QString& entry : filters) {
            if (!suffix.isEmpty() &&
                (entry.contains(pattern + QLatin1Char(')'), Qt::CaseInsensitive) ||
                 entry.contains(pattern + QLatin1Char(' '), Qt::CaseInsensitive))) {
                dialog.selectNameFilter(entry);
                break;
            }
        }
    }
    const QFileInfo info(proposed);
    if (!info.path().isEmpty())
        dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return ToStdString(dialog.selectedFiles().front());
}

}  // namespace grafyon::exportfilter
