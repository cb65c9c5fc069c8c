// Qt dialogs with a display, headless answers without one.
#include "display_dialogs.h"

#include <QApplication>
#include <QGuiApplication>

#include "exportfilter/engine/headless_dialogs.h"
#include "qt_dialogs.h"

namespace grafyon::exportfilter {

bool HasDisplay() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

namespace {

class DisplayDialogs : public QuenarDialogs {
public:
    DisplayDialogs(QuenarMessenger& messenger, FilterPageRegistry pages)
        : m_messenger(messenger), m_pages(std::move(pages)) {}

    std::optional<std::string> ManageFilters(QuenarLibraryState& state, bool selectMode) override {
        return Active().ManageFilters(state, selectMode);
    }
    std::optional<SourceAndFilter> SelectSourceAndFilter(
        QuenarLibraryState& state, const std::vector<std::string>& sources) override {
        return Active().SelectSourceAndFilter(state, sources);
    }
    std::optional<ChosenFilter> SelectFilter(QuenarLibraryState& state) override {
        return Active().SelectFilter(state);
    }
    std::optional<std::size_t> SelectSource(QuenarLibraryState& state,
                                            const std::vector<std::string>& sources,
                                            const std::string& filterName) override {
        return Active().SelectSource(state, sources, filterName);
    }
    bool AllocateDatasets(QuenarLibraryState& state, CQuenarClass& filter,
                          std::vector<QuenarAllocationEntry>& entries,
                          QuenarSelectList& records) override {
        return Active().AllocateDatasets(state, filter, entries, records);
    }
    bool ChooseDatasets(QuenarLibraryState& state, CQuenarClass& filter,
                        QuenarSelectList& records) override {
        return Active().ChooseDatasets(state, filter, records);
    }
    SaveAsDialog* SaveAs() override { return Active().SaveAs(); }
    FilterEditor* Editor() override { return Active().Editor(); }
    // With message boxes off the host runs unattended: progress goes to standard error.
    std::unique_ptr<ProgressDisplay> OpenProgress(ProgressMode mode) override {
        if (!m_messenger.BoxesEnabled())
            return m_headless.OpenProgress(mode);
        return Active().OpenProgress(mode);
    }

private:
    QuenarDialogs& Active() {
        if (!HasDisplay())
            return m_headless;
        if (!m_qt)
            m_qt = MakeQtDialogs(nullptr, m_messenger, m_pages);
        return *m_qt;
    }

    QuenarMessenger& m_messenger;
    FilterPageRegistry m_pages;
    HeadlessDialogs m_headless;
    std::unique_ptr<QuenarDialogs> m_qt;
};

class DisplayMessageSink : public MessageSink {
public:
    MessageAnswer ShowMessage(int id, const std::string& text, MessageButtons buttons) override {
        if (!HasDisplay())
            return m_stderr.ShowMessage(id, text, buttons);
        if (!m_boxes)
            m_boxes = MakeQtMessageSink(nullptr);
        return m_boxes->ShowMessage(id, text, buttons);
    }

private:
    StderrMessageSink m_stderr;
    std::unique_ptr<MessageSink> m_boxes;
};

}  // namespace

std::unique_ptr<QuenarDialogs> MakeDisplayDialogs(QuenarMessenger& messenger,
                                                  FilterPageRegistry pages) {
    return std::make_unique<DisplayDialogs>(messenger, std::move(pages));
}

std::unique_ptr<MessageSink> MakeDisplayMessageSink() {
    return std::make_unique<DisplayMessageSink>();
}

}  // namespace grafyon::exportfilter
