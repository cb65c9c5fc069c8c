// Renders an information topic as a small HTML table on a light yellow page.
#include "info_page.h"

namespace grafyon {

namespace {

constexpr const char* CRLF = "\r\n";
constexpr const char* RULE_CELL = "<td colspan=\"2\"><hr width=\"110%\" size=\"1\"></td></tr>";

// The title a kind-1 row gives the page, else the node's own.
std::string PageTitle(const InfoNode& node) {
    std::string title = node.title;
    for (const InfoRow& row : node.rows) {
        if (row.kind == INFO_ROW_TITLE)
            title = row.text;
    }
    return title;
}

}  // namespace

std::string EscapeInfoText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                out += "<br>";
                break;
            case '\n':
                out += "<br>";
                break;
            default:
                out += text[i];
        }
    }
    return out;
}

std::string RenderInfoPage(const InfoNode& node) {
    const std::string title = EscapeInfoText(PageTitle(node));
    std::string page;
    page += "<html>\r\n<head>\r\n<basefont face=\"sans-serif\">\r\n";
    if (!title.empty())
        page += "<title>" + title + "</title>\r\n";
    page += "</head>\r\n\r\n";
    page += "<body bgcolor=\"#FFFACD\">\r\n";
    page +=
        "<table align=\"left\" width=\"100%\" cellspacing=\"0\" cellpadding=\"1%\" "
        "border=\"0\">\r\n";
    if (!title.empty()) {
        page +=
            "<tr height=\"20\" bgcolor=\"#FFFACD\"><td colspan=\"2\"><b><font "
            "color=\"#000080\" size=\"4\">" +
            title + "</font></b></td></tr>" + CRLF;
    }
    page += std::string("<tr height=\"3\">") + RULE_CELL + CRLF;

    bool labelOpen = false;  // a label row waits for its value on the same table row
    for (const InfoRow& row : node.rows) {
        const std::string text = EscapeInfoText(row.text);
        if (labelOpen && row.kind != INFO_ROW_VALUE && row.kind != INFO_ROW_TITLE) {
            page += std::string("<td></td></tr>") + CRLF;
            labelOpen = false;
        }
        switch (row.kind) {
            case INFO_ROW_TITLE:
                break;
            case INFO_ROW_HEADING:
                page +=
                    "<tr bgcolor=\"#EEE8AA\"><td colspan=\"2\"><b><font size=\"3\" "
                    "color=\"#000000\">&nbsp;" +
                    text + ":</font></b></td></tr>" + CRLF;
                break;
            case INFO_ROW_LABEL:
                page += "<tr bgcolor=\"#FFFACD\"><td><b><font size=\"2\">&nbsp;&nbsp;" + text +
                        ":</font></b></td>";
                labelOpen = true;
                break;
            case INFO_ROW_VALUE:
                if (labelOpen) {
                    page += "<td><font size=\"2\">&nbsp;" + text + "</font></td></tr>" + CRLF;
                    labelOpen = false;
                } else {
                    page +=
                        "<tr bgcolor=\"#FFFACD\"><td colspan=\"2\"><font "
                        "size=\"2\">&nbsp;&nbsp;" +
                        text + "</font></td></tr>" + CRLF;
                }
                break;
        }
    }
    if (labelOpen)
        page += std::string("<td></td></tr>") + CRLF;

    page += std::string("<tr height=\"10\">") + RULE_CELL + CRLF;
    page += "</table>\r\n</body>\r\n</html>\r\n";
    return page;
}

}  // namespace grafyon
