// File-type filters of the string table ("Text|patterns|...||") as Qt name filters.
#pragma once

#include <QString>
#include <QStringList>

namespace grafyon {

// Each "description|pattern;pattern" pair becomes "description (pattern pattern)"; a
// missing or empty pattern part ends the list.
QStringList NameFiltersFromTable(const QString& filter);

}  // namespace grafyon
