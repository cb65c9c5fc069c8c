// The parts of a document template string ("title\ndoc name\nnew name\nfilter\n...").
#pragma once

#include <string>
#include <string_view>

namespace grafyon {

// Positions of the parts, as the application framework numbers them.
enum DocTemplatePart {
    DOC_WINDOW_TITLE = 0,
    DOC_NAME = 1,
    DOC_FILE_NEW_NAME = 2,
    DOC_FILTER_NAME = 3,
    DOC_FILTER_EXTENSION = 4,
    DOC_REG_FILE_TYPE_ID = 5,
    DOC_REG_FILE_TYPE_NAME = 6
};

// Part number part of the line-separated template string; empty when it has fewer parts.
std::string DocTemplateSubString(std::string_view templateString, int part);

}  // namespace grafyon
