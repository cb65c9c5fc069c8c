// The dialogs that choose the data source and the filter of an export: "Select data file
// and export filter", "Select export filter" and "Select data file".
#pragma once

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

#include "exportfilter/engine/export_dialogs.h"
#include "filter_list.h"
#include "page_registry.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace grafyon::exportfilter {

struct QuenarLibraryState;

class CSelectionDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { SourceAndFilter, Filter, Source };

    // sources: the names of the source records; filterName: the default filter that
    // "Select data file" shows.
    CSelectionDialog(Kind kind, QuenarLibraryState& state, const FilterPageRegistry& pages,
                     const std::vector<std::string>& sources, const std::string& filterName,
                     QWidget* parent = nullptr);

    QComboBox* Sources() const { return m_sources; }        // null for Kind::Filter
    CFilterList* List() const { return m_list; }            // null for Kind::Source
    QPushButton* InsertButton() const { return m_insert; }  // null for Kind::Source
    QPushButton* EditButton() const { return m_edit; }      // null for Kind::Source
    FilterManagement* Management() { return m_management ? &*m_management : nullptr; }

    // After OK.
    std::optional<std::size_t> ChosenSource() const { return m_chosenSource; }
    const std::optional<ChosenFilter>& Chosen() const { return m_chosenFilter; }

    void InsertFilter();
    void EditFilter();
    void accept() override;

private:
    void Refill();

    const Kind m_kind;
    QuenarLibraryState& m_state;
    CFilterSheetEditor m_editor;
    std::optional<FilterManagement> m_management;
    QComboBox* m_sources = nullptr;
    CFilterList* m_list = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_edit = nullptr;
    std::optional<std::size_t> m_chosenSource;
    std::optional<ChosenFilter> m_chosenFilter;
};

}  // namespace grafyon::exportfilter
