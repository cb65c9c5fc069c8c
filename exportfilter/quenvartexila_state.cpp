// The process-wide state of the library.
#include "quenvartexila_state.h"

#include "exportfilter/formats/mdf/mdf_stream.h"
#include "exportfilter/formats/tarko/tarko_stream.h"
#include "exportfilter/formats/text/text_stream.h"

namespace grafyon::exportfilter {

namespace {

std::unique_ptr<QuenarLibraryState> MakeState() {
    // The local folder stays empty ("no access") until the host names one.
    auto state = std::make_unique<QuenarLibraryState>();
    RegisterTextClasses(state->registry);
    RegisterMdfClasses(state->registry);
    RegisterTarkoClasses(state->registry);
    state->InstallMessageSink(std::make_unique<StderrMessageSink>());
    return state;
}

}  // namespace

QuenarLibraryState& QuenvartexilaState() {
    static const std::unique_ptr<QuenarLibraryState> state = MakeState();
    return *state;
}

void QuenvartexilaInstallDialogs(std::unique_ptr<QuenarDialogs> dialogs,
                                 std::unique_ptr<MessageSink> messages) {
    QuenarLibraryState& state = QuenvartexilaState();
    state.InstallDialogs(std::move(dialogs));
    if (messages)
        state.InstallMessageSink(std::move(messages));
}

}  // namespace grafyon::exportfilter
