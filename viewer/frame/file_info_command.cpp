// The file information command: the document's description with the viewer's number format.
#include "file_info_command.h"

#include <QApplication>

#include "viewer/data/info/ui/file_info_dialog.h"
#include "viewer/view/grafyon_doc.h"

namespace grafyon {

bool FileInfoAvailable(CGrafyonDoc& document) {
    return !document.Description().Empty();
}

InfoNumberFormat InfoNumberFormatFrom(const CursorValueFormat& cursorFormat) {
    CursorValueFormat format = cursorFormat;
    format.width = 0;
    return [format](double value) { return format.Apply(value); };
}

void ShowFileInformation(QWidget* parent, CGrafyonDoc& document, const Element* select) {
    if (!FileInfoAvailable(document))
        return;
    // Opened from a dialog (the curves page), the information stays above it.
    if (QWidget* modal = QApplication::activeModalWidget())
        parent = modal;
    RunFileInfoDialog(parent, document.Description(), document.PathName(),
                      InfoNumberFormatFrom(document.Layout().GetCursorValueFormat()), select);
}

}  // namespace grafyon
