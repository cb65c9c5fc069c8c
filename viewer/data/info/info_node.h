// The topics of the file information: a tree of nodes, each a titled list of rows.
#pragma once

#include <string>
#include <vector>

namespace grafyon {

class Element;

enum class InfoNodeKind {
    General,
    DatasetGroup,
    Dataset,
    Comments,
    Parameters,
    Parameter,
    DataRanges,
    DataRange,
    Ranges,
    Range
};

// How a row is rendered; the numbers are those the page builder has always used.
enum InfoRowKind : int {
    INFO_ROW_TITLE = 1,    // replaces the node's title on its page
    INFO_ROW_HEADING = 2,  // a bold line of its own on the band colour
    INFO_ROW_LABEL = 3,    // bold; the next value row continues its table row
    INFO_ROW_VALUE = 4     // indented text
};

struct InfoRow {
    std::string text;  // UTF-8, not escaped
    InfoRowKind kind = INFO_ROW_VALUE;
};

struct InfoNode {
    std::string title;  // shown in the tree, and as the page heading unless a row replaces it
    InfoNodeKind kind = InfoNodeKind::General;
    std::vector<InfoRow> rows;
    const Element* reference = nullptr;  // the element described, owned by the description
    std::vector<InfoNode> children;
};

// The node that describes element, searched depth first; null when none does.
const InfoNode* FindInfoNode(const std::vector<InfoNode>& tree, const Element* element);

}  // namespace grafyon
