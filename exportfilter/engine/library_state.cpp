// The library's process-wide state.
#include "library_state.h"

#include <algorithm>

#include "headless_dialogs.h"

namespace grafyon::exportfilter {

QuenarLibraryState::QuenarLibraryState() : m_dialogs(std::make_unique<HeadlessDialogs>()) {
    RegisterEngineClasses(registry);
}

QuenarLibraryState::~QuenarLibraryState() = default;

int QuenarLibraryState::PathInitial(int selector, std::string_view path) {
    if (selector == QUENAR_LOCAL_FILTER_PATH)
        folders.local = std::string(path);
    else if (selector == QUENAR_GLOBAL_FILTER_PATH)
        folders.global = std::string(path);
    return 0;
}

void QuenarLibraryState::SetFlags(int flags) {
    messenger.SetBoxesEnabled((flags & QUENAR_FLAG_NO_MESSAGE_BOXES) == 0);
    statusWindowEnabled = (flags & QUENAR_FLAG_NO_STATUS_WINDOW) == 0;
}

void QuenarLibraryState::InstallDialogs(std::unique_ptr<QuenarDialogs> dialogs) {
    m_dialogs = dialogs ? std::move(dialogs) : std::make_unique<HeadlessDialogs>();
}

void QuenarLibraryState::InstallMessageSink(std::unique_ptr<MessageSink> sink) {
    messenger.SetSink(sink.get());
    m_sink = std::move(sink);
}

CQuenarClass* QuenarLibraryState::AdoptFilter(std::unique_ptr<CQuenarClass> filter) {
    m_filters.push_back(std::move(filter));
    return m_filters.back().get();
}

bool QuenarLibraryState::OwnsFilter(const CQuenarClass* filter) const {
    return filter != nullptr &&
           std::any_of(m_filters.begin(), m_filters.end(),
                       [&](const auto& owned) { return owned.get() == filter; });
}

bool QuenarLibraryState::DeleteFilter(const CQuenarClass* filter) {
    auto owned = std::find_if(m_filters.begin(), m_filters.end(),
                              [&](const auto& f) { return f.get() == filter; });
    if (filter == nullptr || owned == m_filters.end())
        return false;
    m_filters.erase(owned);
    return true;
}

void QuenarLibraryState::ForgetHostFunctions() {
    for (auto& filter : m_filters) {
        const bool throughAdapter =
            std::any_of(adapters.begin(), adapters.end(), [&](const auto& adapter) {
                return static_cast<void*>(adapter.get()) == filter->sourceContext;
            });
        if (throughAdapter)
            filter->ClearValueSource();
    }
    adapters.clear();
    hostFunctions.Clear();
}

}  // namespace grafyon::exportfilter
