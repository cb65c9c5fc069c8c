// Stand-ins for the user interface: a message sink, a "Save as" dialog and a filter editor
// that answer from a script and record what they were asked.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exportfilter/engine/filter_management.h"
#include "exportfilter/engine/quenar_file.h"
#include "exportfilter/engine/quenar_message.h"

namespace grafyon::exportfilter::test {

class FakeSink : public MessageSink {
public:
    struct Shown {
        int id;
        std::string text;
        MessageButtons buttons;
    };

    MessageAnswer ShowMessage(int id, const std::string& text, MessageButtons buttons) override {
        shown.push_back({id, text, buttons});
        if (answers.empty())
            return AgreeingAnswer(buttons);
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<int> Ids() const {
        std::vector<int> ids;
        for (const Shown& s : shown)
            ids.push_back(s.id);
        return ids;
    }

    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;  // then the agreeing answer
};

class FakeSaveAs : public SaveAsDialog {
public:
    struct Call {
        std::string title;
        std::string proposed;
        std::string filter;
    };

    std::optional<std::string> SaveAs(const std::string& title, const std::string& proposed,
                                      const std::string& filter) override {
        calls.push_back({title, proposed, filter});
        if (choices.empty())
            return std::nullopt;  // Cancel
        std::optional<std::string> choice = choices.front();
        choices.pop_front();
        return choice ? choice : std::optional<std::string>(proposed);
    }

    std::vector<Call> calls;
    // A path to choose, or nullopt to take the proposed one; an empty script cancels.
    std::deque<std::optional<std::string>> choices;
};

class FakeEditor : public FilterEditor {
public:
    bool EditFilter(CQuenarClass& filter) override {
        ++calls;
        if (change)
            change(filter);
        return confirm;
    }

    int calls = 0;
    bool confirm = true;
    std::function<void(CQuenarClass&)> change;
};

}  // namespace grafyon::exportfilter::test
