// The library's message function.
#include "quenar_message.h"

#include <cstdio>

#include "common/printf_format.h"
#include "export_strings.h"

namespace grafyon::exportfilter {

MessageAnswer StderrMessageSink::ShowMessage(int, const std::string& text, MessageButtons buttons) {
    std::fprintf(stderr, "Quenvartexila: %s\n", text.c_str());
    return AgreeingAnswer(buttons);
}

MessageAnswer AgreeingAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

std::string MessageText(int id, std::optional<std::string_view> argument) {
    if (id == 0)
        return std::string(argument.value_or(""));
    const std::string text = QuenarString(id);
    if (!argument)
        return text;
    std::string out;
    out.reserve(text.size() + argument->size());
    bool substituted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            if (text[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (text[i + 1] == 's' && !substituted) {
                out += *argument;
                substituted = true;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string InternalErrorLocation(int location) {
    return FormatPrintf("%s %05d", "QuenarInterface", location);
}

MessageAnswer QuenarMessenger::Message(int id, MessageButtons buttons) {
    return Show(id, std::nullopt, buttons);
}

MessageAnswer QuenarMessenger::Message(int id, std::string_view argument, MessageButtons buttons) {
    return Show(id, argument, buttons);
}

bool QuenarMessenger::Ask(int id) {
    return Show(id, std::nullopt, MessageButtons::YesNo) == MessageAnswer::Yes;
}

bool QuenarMessenger::Ask(int id, std::string_view argument) {
    return Show(id, argument, MessageButtons::YesNo) == MessageAnswer::Yes;
}

MessageAnswer QuenarMessenger::Show(int id, std::optional<std::string_view> argument,
                                    MessageButtons buttons) {
    if (!m_boxesEnabled || m_sink == nullptr)
        return AgreeingAnswer(buttons);
    return m_sink->ShowMessage(id, MessageText(id, argument), buttons);
}

}  // namespace grafyon::exportfilter
