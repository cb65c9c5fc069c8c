// Stand-ins for the user interface: a message sink, a "Save as" dialog, a filter editor,
// the library's dialogs and a progress display that answer from a script and record what
// they were asked.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exportfilter/engine/allocation.h"
#include "exportfilter/engine/export_dialogs.h"
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

// A progress window that counts its updates; it answers Cancel on the updates listed.
class FakeProgress : public ProgressDisplay {
public:
    struct Log {
        int opened = 0;
        int updates = 0;
        int closed = 0;
        std::int64_t lastCount = -1;
        std::vector<int> cancelAt;  // 1-based update numbers that answer Cancel
    };

    explicit FakeProgress(Log& log) : m_log(log) { ++m_log.opened; }
    ~FakeProgress() override { ++m_log.closed; }
    bool Update(double, std::int64_t count, std::int64_t) override {
        ++m_log.updates;
        m_log.lastCount = count;
        for (int at : m_log.cancelAt) {
            if (at == m_log.updates)
                return false;
        }
        return true;
    }
    void ShowInformation(int) override {}

private:
    Log& m_log;
};

// Dialogs that answer from fields set by the test; unset answers cancel.
class FakeDialogs : public QuenarDialogs {
public:
    std::optional<std::string> ManageFilters(QuenarLibraryState&, bool) override {
        ++calls.manage;
        return managed;
    }
    std::optional<SourceAndFilter> SelectSourceAndFilter(QuenarLibraryState&,
                                                         const std::vector<std::string>&) override {
        ++calls.sourceAndFilter;
        return sourceAndFilter;
    }
    std::optional<ChosenFilter> SelectFilter(QuenarLibraryState&) override {
        ++calls.filter;
        return filter;
    }
    std::optional<std::size_t> SelectSource(QuenarLibraryState&, const std::vector<std::string>&,
                                            const std::string& filterName) override {
        ++calls.source;
        shownFilter = filterName;
        return source;
    }
    // Binds each entry's definition to the record of the scripted name, as the dialog's
    // OK does through ConfirmAllocation.
    bool AllocateDatasets(QuenarLibraryState&, CQuenarClass&,
                          std::vector<QuenarAllocationEntry>& entries,
                          QuenarSelectList& records) override {
        ++calls.allocate;
        if (!allocation)
            return false;
        for (std::size_t i = 0; i < entries.size() && i < allocation->size(); ++i)
            entries[i].source = (*allocation)[i];
        QuenarMessenger silent;
        return ConfirmAllocation(entries, records, silent) == AllocationOutcome::Accepted;
    }
    bool ChooseDatasets(QuenarLibraryState&, CQuenarClass&, QuenarSelectList& records) override {
        ++calls.choose;
        if (!chosen)
            return false;
        QuenarMessenger silent;
        return ConfirmDatasetChoice(records, *chosen, silent);
    }
    SaveAsDialog* SaveAs() override { return nullptr; }
    FilterEditor* Editor() override { return nullptr; }
    std::unique_ptr<ProgressDisplay> OpenProgress(ProgressMode mode) override {
        progressMode = mode;
        return std::make_unique<FakeProgress>(progress);
    }

    struct Calls {
        int manage = 0, sourceAndFilter = 0, filter = 0, source = 0, allocate = 0, choose = 0;
    } calls;
    std::optional<std::string> managed;
    std::optional<SourceAndFilter> sourceAndFilter;
    std::optional<ChosenFilter> filter;
    std::optional<std::size_t> source;
    std::optional<std::vector<std::string>> allocation;  // a source name per entry
    std::optional<std::vector<bool>> chosen;             // per record
    std::string shownFilter;
    std::optional<ProgressMode> progressMode;
    FakeProgress::Log progress;
};

}  // namespace grafyon::exportfilter::test
