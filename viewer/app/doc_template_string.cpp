// Splitting a document template string into its parts.
#include "doc_template_string.h"

namespace grafyon {

std::string DocTemplateSubString(std::string_view templateString, int part) {
    if (part < 0)
        return {};
    std::size_t start = 0;
    for (int i = 0; i < part; ++i) {
        const std::size_t newline = templateString.find('\n', start);
        if (newline == std::string_view::npos)
            return {};
        start = newline + 1;
    }
    const std::size_t end = templateString.find('\n', start);
    return std::string(
        templateString.substr(start, end == std::string_view::npos ? end : end - start));
}

}  // namespace grafyon
