// The library's process-wide state: its message function and flags, its two filter
// folders, the classes its files may name, the registered host functions, the adapters
// and filters of the current export, and the dialogs the exported functions reach.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "export_dialogs.h"
#include "filter_folder.h"
#include "host_table.h"
#include "negotiation.h"
#include "quenar_class.h"
#include "quenar_message.h"
#include "quenar_object.h"

namespace grafyon::exportfilter {

struct QuenarLibraryState {
    QuenarLibraryState();
    ~QuenarLibraryState();
    QuenarLibraryState(const QuenarLibraryState&) = delete;
    QuenarLibraryState& operator=(const QuenarLibraryState&) = delete;

    // Selector 16 sets the local folder, 17 the global one; any other changes nothing.
    // Always 0.
    int PathInitial(int selector, std::string_view path);
    // Both flags are replaced on every call.
    void SetFlags(int flags);

    // The installed dialogs, or the headless ones when none are installed.
    QuenarDialogs& Dialogs() { return *m_dialogs; }
    // Null goes back to the headless dialogs.
    void InstallDialogs(std::unique_ptr<QuenarDialogs> dialogs);
    // The sink of the message function, owned by the state; null shows nothing.
    void InstallMessageSink(std::unique_ptr<MessageSink> sink);

    // Takes a filter handed out to the host until it is released.
    CQuenarClass* AdoptFilter(std::unique_ptr<CQuenarClass> filter);
    // Whether the pointer is a filter handed out and not yet released.
    bool OwnsFilter(const CQuenarClass* filter) const;
    // Deletes a filter handed out; false when it is none of them.
    bool DeleteFilter(const CQuenarClass* filter);
    // Empties the host function table and the adapter list; a filter still held whose
    // values came through an adapter forgets its value source.
    void ForgetHostFunctions();

    QuenarMessenger messenger;
    bool statusWindowEnabled = true;
    // The local folder starts empty ("no access") until the host names one.
    FilterFolders folders;
    ClassRegistry registry;  // the engine's classes; formats add theirs
    QuenarHostTable hostFunctions;
    QuenarAdapterList adapters;
    // Set while QuenvartexilaConvert runs: the progress window lets the host's user
    // interface run, and nothing may change the export under the run's feet.
    bool runInProgress = false;

private:
    std::vector<std::unique_ptr<CQuenarClass>> m_filters;
    std::unique_ptr<QuenarDialogs> m_dialogs;
    std::unique_ptr<MessageSink> m_sink;
};

}  // namespace grafyon::exportfilter
