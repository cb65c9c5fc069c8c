// "Information...": the file information of the open measurement.
#pragma once

#include "viewer/data/info/info_texts.h"
#include "viewer/view/model/scaling.h"

class QWidget;

namespace grafyon {

class CGrafyonDoc;
class Element;

// The information is there for every description the document keeps, also one whose data
// files are missing or that holds no curve.
bool FileInfoAvailable(CGrafyonDoc& document);

// Numbers as the cursor's value box shows them, without the padding of its column.
InfoNumberFormat InfoNumberFormatFrom(const CursorValueFormat& cursorFormat);

// Shows the "File Information" dialog of the document, opened on the node of select (a
// dataset, for example), else on "General".
void ShowFileInformation(QWidget* parent, CGrafyonDoc& document, const Element* select = nullptr);

}  // namespace grafyon
