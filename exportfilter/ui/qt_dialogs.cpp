// The library's dialogs on Qt Widgets.
#include "qt_dialogs.h"

#include <QPointer>
#include <QWidget>

#include "allocation_dialogs.h"
#include "dialog_parent.h"
#include "exportfilter/engine/library_state.h"
#include "filter_management_dialog.h"
#include "message_box_sink.h"
#include "progress_window.h"
#include "save_as_dialog.h"
#include "selection_dialogs.h"

namespace grafyon::exportfilter {

namespace {

class CQtQuenarDialogs : public QuenarDialogs {
public:
    CQtQuenarDialogs(QWidget* owner, QuenarMessenger& messenger, FilterPageRegistry pages)
        : m_owner(owner),
          m_pages(std::move(pages)),
          m_saveAs(owner),
          m_editor(m_pages, messenger, owner) {}

    std::optional<std::string> ManageFilters(QuenarLibraryState& state, bool selectMode) override {
        CFilterManagementDialog dialog(state, m_pages, selectMode, Parent());
        if (dialog.exec() != QDialog::Accepted || !selectMode)
            return std::nullopt;
        return dialog.ChosenName();
    }

    std::optional<SourceAndFilter> SelectSourceAndFilter(
        QuenarLibraryState& state, const std::vector<std::string>& sources) override {
        CSelectionDialog dialog(CSelectionDialog::Kind::SourceAndFilter, state, m_pages, sources,
                                std::string(), Parent());
        if (dialog.exec() != QDialog::Accepted || !dialog.ChosenSource() || !dialog.Chosen())
            return std::nullopt;
        return SourceAndFilter{*dialog.ChosenSource(), *dialog.Chosen()};
    }

    std::optional<ChosenFilter> SelectFilter(QuenarLibraryState& state) override {
        CSelectionDialog dialog(CSelectionDialog::Kind::Filter, state, m_pages, {}, std::string(),
                                Parent());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.Chosen();
    }

    std::optional<std::size_t> SelectSource(QuenarLibraryState& state,
                                            const std::vector<std::string>& sources,
                                            const std::string& filterName) override {
        CSelectionDialog dialog(CSelectionDialog::Kind::Source, state, m_pages, sources, filterName,
                                Parent());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.ChosenSource();
    }

    bool AllocateDatasets(QuenarLibraryState& state, CQuenarClass& filter,
                          std::vector<QuenarAllocationEntry>& entries,
                          QuenarSelectList& records) override {
        CAllocationDialog dialog(filter, entries, records, state.messenger, Parent());
        return dialog.exec() == QDialog::Accepted;
    }

    bool ChooseDatasets(QuenarLibraryState& state, CQuenarClass& filter,
                        QuenarSelectList& records) override {
        CSelectDatasetsDialog dialog(filter, records, state.messenger, Parent());
        return dialog.exec() == QDialog::Accepted;
    }

    SaveAsDialog* SaveAs() override { return &m_saveAs; }
    FilterEditor* Editor() override { return &m_editor; }

    std::unique_ptr<ProgressDisplay> OpenProgress(ProgressMode mode) override {
        return std::make_unique<CProgressWindow>(mode, m_owner.data());
    }

private:
    QWidget* Parent() const { return DialogParent(m_owner.data()); }

    QPointer<QWidget> m_owner;
    const FilterPageRegistry m_pages;
    CQtSaveAsDialog m_saveAs;
    CFilterSheetEditor m_editor;
};

}  // namespace

std::unique_ptr<QuenarDialogs> MakeQtDialogs(QWidget* owner, QuenarMessenger& messenger,
                                             FilterPageRegistry pages) {
    return std::make_unique<CQtQuenarDialogs>(owner, messenger, std::move(pages));
}

std::unique_ptr<MessageSink> MakeQtMessageSink(QWidget* owner) {
    return std::make_unique<CMessageBoxSink>(owner);
}

}  // namespace grafyon::exportfilter
