// The library's user interface, installed into its state when the library is loaded: Qt
// dialogs and message boxes where a display is there, the headless answers otherwise.
#include "exportfilter/formats/mdf/ui/mdf_pages.h"
#include "exportfilter/formats/tarko/ui/tarko_pages.h"
#include "exportfilter/formats/text/ui/text_pages.h"
#include "exportfilter/ui/display_dialogs.h"
#include "quenvartexila_state.h"

namespace grafyon::exportfilter {
namespace {

const bool g_userInterfaceInstalled = [] {
    QuenarLibraryState& state = QuenvartexilaState();
    FilterPageRegistry pages = DefaultFilterPages();
    AddTextPages(pages);
    AddMdfPages(pages);
    AddTarkoPages(pages);
    QuenvartexilaInstallDialogs(MakeDisplayDialogs(state.messenger, std::move(pages)),
                                MakeDisplayMessageSink());
    return true;
}();

}  // namespace
}  // namespace grafyon::exportfilter
