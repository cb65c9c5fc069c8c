// The library's state over a temporary local folder with the tests' stream class, its
// messages going to a script, and the sheet of that class.
#pragma once

#include <string>

#include "exportfilter/engine/library_state.h"
#include "exportfilter/engine/tests/fakes.h"
#include "exportfilter/engine/tests/test_stream.h"
#include "exportfilter/ui/channel_def_list_page.h"
#include "exportfilter/ui/file_name_pages.h"
#include "exportfilter/ui/filter_pages.h"
#include "exportfilter/ui/page_registry.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {

// General, channel definitions, both file pages, method and commentary.
inline FilterPageRegistry TestPages(SheetCheck check = {}) {
    FilterPageRegistry pages = DefaultFilterPages();
    FilterSheetDescription sheet;
    sheet.pages = {FilterGeneralPageFactory(),
                   ChannelDefListPageFactory(),
                   SingleFilePageFactory([](CQuenarClass& filter) {
                       return &dynamic_cast<CQuenarStreamTest&>(filter).singleFile;
                   }),
                   MultiFilePageFactory([](CQuenarClass& filter) {
                       return &dynamic_cast<CQuenarStreamTest&>(filter).multiFile;
                   }),
                   MethodPageFactory(),
                   CommentaryPageFactory()};
    sheet.check = std::move(check);
    pages.SetFilterSheet(CQuenarStreamTest::CLASS_INFO.name, std::move(sheet));
    return pages;
}

struct UiFixture {
    UiFixture() {
        state.registry = TestRegistry();
        state.folders.local = local.Path().string() + "/";
        state.messenger.SetSink(&sink);
    }

    // English texts whatever the environment says; a test may switch to German.
    grafyon::test::ScopedEnv language{"LC_ALL", "C.UTF-8"};
    grafyon::test::TempDir local;
    QuenarLibraryState state;
    FakeSink sink;
    FilterPageRegistry pages = TestPages();
};

}  // namespace grafyon::exportfilter::test
