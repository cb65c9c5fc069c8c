// The "Save as" dialog of output naming on Qt's file dialog.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <optional>
#include <string>
#include <string_view>

#include "exportfilter/engine/quenar_file.h"

namespace grafyon::exportfilter {

// "Text (*.txt)|*.txt|All files (*.*)|*.*||" as Qt's name filters: "Text (*.txt)",
// "All files (*)". Several patterns are separated by ";" in the pipe form and by blanks
// in Qt's; "*.*" matches every file, as it did where the form comes from.
QStringList NameFiltersFromPipeForm(std::string_view filter);

class CQtSaveAsDialog : public SaveAsDialog {
public:
    // owner null: the dialog opens over the active window.
    explicit CQtSaveAsDialog(QWidget* owner) : m_owner(owner) {}

    // The engine checks an existing file itself, so the dialog asks nothing about it.
    std::optional<std::string> SaveAs(const std::string& title, const std::string& proposedPath,
                                      const std::string& fileTypeFilter) override;

private:
    QPointer<QWidget> m_owner;
};

}  // namespace grafyon::exportfilter
