// Headless dialogs and the text progress display.
#include "headless_dialogs.h"

#include <unistd.h>

#include "export_strings.h"

namespace grafyon::exportfilter {

namespace {

constexpr int BAR_CHARACTERS = 20;

std::string Bar(int percent) {
    const int filled = percent * BAR_CHARACTERS / 100;
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(BAR_CHARACTERS - filled), '.') + "]";
}

}  // namespace

TextProgress::TextProgress(ProgressMode mode, std::FILE* out)
    : m_mode(static_cast<int>(mode)), m_out(out) {}

TextProgress::~TextProgress() {
    if (m_printed)
        std::fputc('\n', m_out);
}

bool TextProgress::Update(double percent, std::int64_t count, std::int64_t total) {
    if (ApplyProgressUpdate(m_texts, percent, count, total))
        Print();
    return true;
}

void TextProgress::ShowInformation(int stringId) {
    m_information = QuenarString(stringId);
    Print();
}

void TextProgress::Print() {
    std::string line = QuenarString(QUENAR_STR_DATA_EXPORT) + ":";
    if (!m_information.empty()) {
        line += " " + m_information;
    } else {
        switch (m_mode) {
            case 1:
                line += " " + m_texts.count + " " + Bar(m_texts.bar);
                break;
            case 2:
            case 3:
                line += " " + QuenarString(m_mode == 2 ? QUENAR_STR_VALUES : QUENAR_STR_ROWS) +
                        " " + m_texts.count;
                break;
            case 4:
            case 5:
                line += " " + m_texts.percent + " " +
                        QuenarString(m_mode == 4 ? QUENAR_STR_VALUES : QUENAR_STR_ROWS) + " " +
                        m_texts.count + " " + Bar(m_texts.bar);
                break;
            default:
                line += " " + QuenarString(QUENAR_STR_EXPORT_IN_PROGRESS) + " " + Bar(m_texts.bar);
                break;
        }
    }
    // "\r" and the erase-line sequence rewrite the line in place.
    std::fprintf(m_out, "\r\033[K%s", line.c_str());
    std::fflush(m_out);
    m_printed = true;
}

std::unique_ptr<ProgressDisplay> HeadlessDialogs::OpenProgress(ProgressMode mode) {
    if (::isatty(STDERR_FILENO) == 0)
        return nullptr;
    return std::make_unique<TextProgress>(mode, stderr);
}

}  // namespace grafyon::exportfilter
