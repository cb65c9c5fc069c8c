// The HTML page of one information topic.
#pragma once

#include <string>
#include <string_view>

#include "info_node.h"

namespace grafyon {

// The page of node, lines ending in CR LF. Every text is escaped (& < > ") and its line
// ends become <br>, so a name such as "<5V" shows as written and no text of a file can
// add markup.
std::string RenderInfoPage(const InfoNode& node);

// text with & < > " as entities and CR LF, LF or CR as <br>.
std::string EscapeInfoText(std::string_view text);

}  // namespace grafyon
