// The channel-definition list of a stream as one page: ordering, inserting, duplicating,
// editing and deleting definitions. The page works on copies; the stream's list changes
// only when the sheet is confirmed.
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "edit_sheet.h"
#include "exportfilter/engine/channel_def.h"
#include "exportfilter/engine/export_strings.h"
#include "page_registry.h"

class QPushButton;
class QTreeWidget;

namespace grafyon::exportfilter {

class CQuenarClass;

struct ChannelListColumn {
    int headerId;
    int widthUnits;  // dialog units
    std::function<QString(const CQuenarChannelDef&)> text;
};

struct ChannelListSetup {
    int titleId = QUENAR_STR_CHANNEL_DEFINITIONS;
    // Empty: "Channel ID" and "Default".
    std::vector<ChannelListColumn> columns;
    int deleteLabelId = QUENAR_STR_DELETE;  // some formats say "&Delete..."
    // A new definition of the format's class; empty: the engine's base class.
    std::function<std::unique_ptr<CQuenarChannelDef>()> create;
};

class CChannelDefListPage : public EditPage {
    Q_OBJECT
public:
    CChannelDefListPage(CQuenarClass& filter, ChannelListSetup setup, const PageContext& context,
                        QWidget* parent = nullptr);
    void Apply() override;

    // The definitions as the page holds them.
    const ChannelDefList& Definitions() const { return m_definitions; }
    QTreeWidget* List() const { return m_list; }
    int CurrentRow() const;
    void SelectRow(int row);

    void MoveUp();
    void MoveDown();
    void Insert();
    void Duplicate();
    void Edit();
    void Delete();

    QPushButton* UpButton() const { return m_up; }
    QPushButton* DownButton() const { return m_down; }
    QPushButton* InsertButton() const { return m_insert; }
    QPushButton* DuplicateButton() const { return m_duplicate; }
    QPushButton* EditButton() const { return m_edit; }
    QPushButton* DeleteButton() const { return m_delete; }

private:
    void Fill(int selectRow);
    void UpdateButtons();

    CQuenarClass& m_filter;
    const ChannelListSetup m_setup;
    const PageContext m_context;
    ChannelDefList m_definitions;
    QTreeWidget* m_list;
    QPushButton* m_up;
    QPushButton* m_down;
    QPushButton* m_insert;
    QPushButton* m_duplicate;
    QPushButton* m_edit;
    QPushButton* m_delete;
};

// The list page with the columns "Channel ID" and "Default".
FilterPageFactory ChannelDefListPageFactory(ChannelListSetup setup = {});

// The check of a sheet whose list page must not be empty: message messageId (OK/Cancel);
// OK goes back to the list page, Cancel discards the edit.
SheetCheck RequireChannelDefinitions(int messageId);

}  // namespace grafyon::exportfilter
