// Look-up of numbered texts in a sorted table and in the installed translation.
#include "numbered_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace grafyon {

const ViewerStringEntry* FindNumberedText(std::span<const ViewerStringEntry> table, int id) {
    const auto found = std::lower_bound(table.begin(), table.end(), id,
                                        [](const ViewerStringEntry& e, int n) { return e.id < n; });
    return found != table.end() && found->id == id ? &*found : nullptr;
}

QString NumberedTextEnglish(std::span<const ViewerStringEntry> table, int id) {
    const ViewerStringEntry* entry = FindNumberedText(table, id);
    return entry ? QString::fromUtf8(entry->english) : QString();
}

QString NumberedText(std::span<const ViewerStringEntry> table, int id) {
    const ViewerStringEntry* entry = FindNumberedText(table, id);
    if (entry == nullptr)
        return {};
    const QByteArray key = QByteArray::number(id);
    const QString translated = QCoreApplication::translate(VIEWER_STRINGS_CONTEXT, key.constData());
    // Without a translation the key itself comes back.
    if (translated.isEmpty() || translated == QLatin1String(key))
        return QString::fromUtf8(entry->english);
    return translated;
}

}  // namespace grafyon
