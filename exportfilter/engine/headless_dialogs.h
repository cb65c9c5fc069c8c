// The library's dialogs where no user interface is installed: every dialog counts as
// cancelled, and the progress goes to standard error when that is a terminal.
#pragma once

#include <cstdio>
#include <memory>

#include "export_dialogs.h"
#include "progress_text.h"

namespace grafyon::exportfilter {

// The progress as one line of text, rewritten in place: "Data export: 42.00% Rows 1234".
class TextProgress : public ProgressDisplay {
public:
    TextProgress(ProgressMode mode, std::FILE* out);
    ~TextProgress() override;  // ends the line
    bool Update(double percent, std::int64_t count, std::int64_t total) override;
    void ShowInformation(int stringId) override;

private:
    void Print();

    int m_mode;
    std::FILE* m_out;
    ProgressTexts m_texts;
    std::string m_information;
    bool m_printed = false;
};

class HeadlessDialogs : public QuenarDialogs {
public:
    std::optional<std::string> ManageFilters(QuenarLibraryState&, bool) override {
        return std::nullopt;
    }
    std::optional<SourceAndFilter> SelectSourceAndFilter(QuenarLibraryState&,
                                                         const std::vector<std::string>&) override {
        return std::nullopt;
    }
    std::optional<ChosenFilter> SelectFilter(QuenarLibraryState&) override { return std::nullopt; }
    std::optional<std::size_t> SelectSource(QuenarLibraryState&, const std::vector<std::string>&,
                                            const std::string&) override {
        return std::nullopt;
    }
    bool AllocateDatasets(QuenarLibraryState&, CQuenarClass&, std::vector<QuenarAllocationEntry>&,
                          QuenarSelectList&) override {
        return false;
    }
    bool ChooseDatasets(QuenarLibraryState&, CQuenarClass&, QuenarSelectList&) override {
        return false;
    }
    SaveAsDialog* SaveAs() override { return nullptr; }
    FilterEditor* Editor() override { return nullptr; }
    // A TextProgress on standard error when it is a terminal, else none.
    std::unique_ptr<ProgressDisplay> OpenProgress(ProgressMode mode) override;
};

}  // namespace grafyon::exportfilter
