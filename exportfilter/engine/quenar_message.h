// The library's message function: numbered texts shown through a sink the user interface
// supplies, or answered as agreed when message boxes are off.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace grafyon::exportfilter {

enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Shows one message and returns the user's answer. The Qt layer shows a box with plain
// text; a headless host prints the text and takes the agreeing answer.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer ShowMessage(int id, const std::string& text, MessageButtons buttons) = 0;
};

// Prints "Quenvartexila: <text>" on standard error and agrees.
class StderrMessageSink : public MessageSink {
public:
    MessageAnswer ShowMessage(int id, const std::string& text, MessageButtons buttons) override;
};

// The answer that counts as agreeing: Yes for a question, OK otherwise.
MessageAnswer AgreeingAnswer(MessageButtons buttons);

// The table text of id in the process language with the argument put in place of its
// "%s" ("%%" becomes "%" then). The argument is only ever data, never a format. Identifier
// 0 gives the argument itself.
std::string MessageText(int id, std::optional<std::string_view> argument);

// "QuenarInterface 00042": the argument of an internal-error message (4020).
std::string InternalErrorLocation(int location);

class QuenarMessenger {
public:
    // Without a sink every message is answered as agreed, as with boxes off.
    explicit QuenarMessenger(MessageSink* sink = nullptr) : m_sink(sink) {}

    void SetSink(MessageSink* sink) { m_sink = sink; }
    void SetBoxesEnabled(bool enabled) { m_boxesEnabled = enabled; }
    bool BoxesEnabled() const { return m_boxesEnabled; }

    MessageAnswer Message(int id, MessageButtons buttons = MessageButtons::Ok);
    MessageAnswer Message(int id, std::string_view argument,
                          MessageButtons buttons = MessageButtons::Ok);
    // True when a Yes/No question was answered Yes.
    bool Ask(int id);
    bool Ask(int id, std::string_view argument);

private:
    MessageAnswer Show(int id, std::optional<std::string_view> argument, MessageButtons buttons);

    MessageSink* m_sink;
    bool m_boxesEnabled = true;
};

}  // namespace grafyon::exportfilter
