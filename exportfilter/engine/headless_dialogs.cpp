// Headless dialogs and the text progress display.
#include "headless_dialogs.h"

#include <unistd.h>

#include "export_strings.h"

namespace grafyon::exportfilter {

namespace {

constexpr int BAR_CHARACTERS = 20;

std::string Bar(int percent) {
    const auto filled = static_cast<std::size_t>(percent * BAR_CHARACTERS / 100);
    std::string bar(BAR_CHARACTERS + 2, '.');
    bar.front() = '[';
    bar.back() = ']';
    bar.replace(1, filled, filled, '#');
    return bar;
}

// Pieces of a line joined by single spaces.
void Append(std::string& line, const std::string& piece) {
    line += ' ';
    line += piece;
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
    const int label = m_mode == 2 || m_mode == 4 ? QUENAR_STR_VALUES : QUENAR_STR_ROWS;
    if (!m_information.empty()) {
        Append(line, m_information);
    } else if (m_mode == 1) {
        Append(line, m_texts.count);
        Append(line, Bar(m_texts.bar));
    } else if (m_mode == 2 || m_mode == 3) {
        Append(line, QuenarString(label));
        Append(line, m_texts.count);
    } else if (m_mode == 4 || m_mode == 5) {
        Append(line, m_texts.percent);
        Append(line, QuenarString(label));
        Append(line, m_texts.count);
        Append(line, Bar(m_texts.bar));
    } else {
        Append(line, QuenarString(QUENAR_STR_EXPORT_IN_PROGRESS));
        Append(line, Bar(m_texts.bar));
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
