// The string table of linking recordings.
#include "link_strings.h"

#include <QCoreApplication>

#include <algorithm>

namespace grafyon {

namespace {

constexpr ViewerStringEntry STRINGS[] = {
    {LINK_STR_DATASET_COUNT, "Different number of datasets"},
    {LINK_STR_RESOLUTION, "Different resolution"},
    {LINK_STR_FRAME_SIZE, "Different frame size"},
    {LINK_STR_FILE_FILTER, "Vantorelline-MDF-Fatei (*.mdf)|*.mdf||"},
    {LINK_STR_FOLDERS, "Different folders"},
};

static_assert(std::is_sorted(std::begin(STRINGS), std::end(STRINGS),
                             [](const ViewerStringEntry& a, const ViewerStringEntry& b) {
                                 return a.id < b.id;
                             }),
              "the table is kept in ascending order");

}  // namespace

std::span<const ViewerStringEntry> LinkStringTable() {
    return STRINGS;
}

QString LinkString(int id) {
    if (id == LINK_STR_DATASET) {
        const QString translated = QCoreApplication::translate(VIEWER_STRINGS_CONTEXT, "5121");
        return translated == QLatin1String("5121") ? QStringLiteral("Dataset") : translated;
    }
    return NumberedText(STRINGS, id);
}

}  // namespace grafyon
