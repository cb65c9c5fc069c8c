// Host function registrations and the information calls.
#include "host_table.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "common/codec_1252.h"
#include "quenar_class.h"
#include "record_queries.h"

namespace grafyon::exportfilter {

namespace {

// A comment line longer than this is cut: the length comes from the host.
constexpr int COMMENT_LINE_MAX = 1 << 20;
constexpr int COMMENT_LINES_MAX = 1 << 16;
constexpr int DATE_TIME_BUFFER = 64;

}  // namespace

void QuenarHostTable::Register(int identifier, QuenarHostFunction function) {
    auto same = std::find_if(m_entries.begin(), m_entries.end(),
                             [&](const Entry& entry) { return entry.identifier == identifier; });
    if (function == nullptr) {
        if (same != m_entries.end())
            m_entries.erase(same);
        return;
    }
    if (same != m_entries.end())
        same->function = function;
    else
        m_entries.push_back({identifier, function});
}

QuenarHostFunction QuenarHostTable::Find(int identifier) const {
    for (const Entry& entry : m_entries) {
        if (entry.identifier == identifier)
            return entry.function;
    }
    return nullptr;
}

std::optional<std::string> QuenarHostAccess::Commentary(const CQuenarSelectItem& record) const {
    const auto count = m_table.Get<QuenarCommentCountFunction>(QUENAR_FN_COMMENT_COUNT);
    const auto length = m_table.Get<QuenarCommentLengthFunction>(QUENAR_FN_COMMENT_LENGTH);
    const auto text = m_table.Get<QuenarCommentTextFunction>(QUENAR_FN_COMMENT_TEXT);
    if (count == nullptr || length == nullptr || text == nullptr)
        return std::nullopt;
    const int lines = std::min(count(m_context, &record), COMMENT_LINES_MAX);
    std::string joined;
    std::vector<char> buffer;
    for (int line = 0; line < lines; ++line) {
        const int size = std::clamp(length(m_context, &record, line), 0, COMMENT_LINE_MAX);
        // One byte more than the size, so that either reading of "at most size characters
        // and the terminator" stays inside the buffer.
        buffer.assign(static_cast<std::size_t>(size) + 1, '\0');
        const int copied = text(m_context, &record, line, buffer.data(), size);
        buffer[static_cast<std::size_t>(size)] = '\0';
        const std::size_t used = std::min(static_cast<std::size_t>(std::clamp(copied, 0, size)),
                                          std::strlen(buffer.data()));
        if (line > 0)
            joined += '\n';
        // The host hands over Windows-1252 bytes, as its files store them.
        joined += Cp1252ToUtf8(std::string_view(buffer.data(), used));
    }
    return joined;
}

bool QuenarHostAccess::ValueRange(const CQuenarSelectItem& record, double& minimum,
                                  double& maximum) const {
    const auto range = m_table.Get<QuenarValueRangeFunction>(QUENAR_FN_VALUE_RANGE);
    if (range == nullptr)
        return false;
    double low = 0.0;
    double high = 0.0;
    range(m_context, &record, &low, &high);
    if (low > high)
        std::swap(low, high);
    minimum = low;
    maximum = high;
    return true;
}

std::optional<std::string> QuenarHostAccess::DateTimeText(const CQuenarSelectItem& record,
                                                          int selector) const {
    const auto dateTime = m_table.Get<QuenarDateTimeFunction>(QUENAR_FN_DATE_TIME);
    if (dateTime == nullptr)
        return std::nullopt;
    char buffer[DATE_TIME_BUFFER] = {};
    if (dateTime(m_context, &record, selector, buffer, DATE_TIME_BUFFER - 1) != QUENAR_DT_OK)
        return std::nullopt;
    return std::string(buffer, ::strnlen(buffer, DATE_TIME_BUFFER - 1));
}

std::optional<std::int32_t> QuenarHostAccess::RecordingSeconds(
    const CQuenarSelectItem& record) const {
    const auto dateTime = m_table.Get<QuenarDateTimeFunction>(QUENAR_FN_DATE_TIME);
    if (dateTime == nullptr)
        return std::nullopt;
    std::int32_t seconds = 0;
    if (dateTime(m_context, &record, QUENAR_DT_VALUE, &seconds, sizeof seconds) != QUENAR_DT_OK)
        return std::nullopt;
    return seconds;
}

std::string FilterCommentary(const CQuenarClass& filter, const QuenarSelectList& records,
                             const QuenarHostAccess& host) {
    switch (filter.UsedCommentaryMode()) {
        case 1: {
            const CQuenarSelectItem* first = FirstSelected(records);
            if (first == nullptr)
                return {};
            return host.Commentary(*first).value_or(std::string());
        }
        case 2:
            return filter.commentaryText;
        default:
            return {};
    }
}

}  // namespace grafyon::exportfilter
