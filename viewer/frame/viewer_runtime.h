// What the running viewer holds besides its windows: settings, font, colors, the document.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "viewer/settings/curve_colors.h"
#include "viewer/settings/log_font.h"
#include "viewer/settings/viewer_settings.h"
#include "viewer/view/model/graphic_layout.h"

#include <QString>

namespace grafyon {

class CGrafyonDoc;

struct ViewerRuntime {
    ViewerRuntime();
    ~ViewerRuntime();

    ViewerSettings settings;
    LogFont font;
    CurveColors colors;
    std::unique_ptr<CGrafyonDoc> document;
};

// The cursor value format the settings describe.
CursorValueFormat CursorFormatFrom(const ViewerSettings& settings);
// The first view of a freshly opened document, from the user's settings.
InitialViewSettings InitialViewFrom(const ViewerSettings& settings);
// The color of each dataset by its index, as the layout takes them.
std::vector<std::uint32_t> CurveColorValues(const CurveColors& colors);

// Everything an open takes from the settings: the first view, the colors, the summary
// cache (read afresh, so that a change of the settings file counts at once), and the scan
// of the whole recording behind the first picture.
void PrepareOpen(ViewerRuntime& runtime);

// The text of a document message: "cannot be opened" with the path, or a numbered text.
QString DocumentMessageText(int stringNumber, const QString& path);

}  // namespace grafyon
