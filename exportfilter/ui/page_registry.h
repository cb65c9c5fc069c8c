// Which pages a filter's edit sheet and a channel definition's edit sheet show, per class:
// the engine's classes bring theirs, and each format adds the sheets of its own classes.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "edit_sheet.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/filter_management.h"

namespace grafyon::exportfilter {

class CQuenarChannelDef;
class CQuenarClass;
class FilterPageRegistry;
class QuenarMessenger;
struct QuenarClassInfo;

// What a page may need besides the object it edits.
struct PageContext {
    QuenarMessenger& messenger;
    const FilterPageRegistry& registry;  // the sheets of the definitions a list page edits
};

using FilterPageFactory =
    std::function<std::unique_ptr<EditPage>(CQuenarClass& filter, const PageContext& context)>;
using ChannelPageFactory = std::function<std::unique_ptr<EditPage>(CQuenarChannelDef& definition,
                                                                   const PageContext& context)>;
using SheetCheck = std::function<CEditSheet::Verdict(CEditSheet& sheet, const PageContext&)>;

struct FilterSheetDescription {
    int titleId = 0;  // 0: the name of the filter's type
    std::vector<FilterPageFactory> pages;
    int firstPage = 0;
    SheetCheck check;  // optional, after the pages validated
};

struct ChannelSheetDescription {
    int titleId = QUENAR_STR_OUTPUT_CHANNEL_DEFINITION;
    std::vector<ChannelPageFactory> pages;
    SheetCheck check;
};

class FilterPageRegistry {
public:
    // A sheet for a class of that name replaces an earlier one.
    void SetFilterSheet(const std::string& className, FilterSheetDescription sheet);
    void SetChannelSheet(const std::string& className, ChannelSheetDescription sheet);
    // The sheet of the class, else of its nearest base class that has one; null for none.
    const FilterSheetDescription* FindFilterSheet(const QuenarClassInfo& info) const;
    const ChannelSheetDescription* FindChannelSheet(const QuenarClassInfo& info) const;

private:
    std::map<std::string, FilterSheetDescription> m_filterSheets;
    std::map<std::string, ChannelSheetDescription> m_channelSheets;
};

// The sheets of the engine's channel-definition classes: "General" for
// CQuenarChannelDef; "General" and "File name" for CQuenarChannelDef1File.
FilterPageRegistry DefaultFilterPages();

// Opens the sheet of the object's class; true when it was confirmed (the values are then
// in the object). Without a sheet for the class nothing opens and the answer is false.
bool EditFilterInSheet(CQuenarClass& filter, const PageContext& context, QWidget* parent);
bool EditChannelDefInSheet(CQuenarChannelDef& definition, const PageContext& context,
                           QWidget* parent);

// The filter editor of the management and selection dialogs.
class CFilterSheetEditor : public FilterEditor {
public:
    // parent null: the sheet opens over the active window.
    CFilterSheetEditor(const FilterPageRegistry& registry, QuenarMessenger& messenger,
                       QWidget* parent);
    bool EditFilter(CQuenarClass& filter) override;

private:
    const FilterPageRegistry& m_registry;
    QuenarMessenger& m_messenger;
    QPointer<QWidget> m_parent;
};

}  // namespace grafyon::exportfilter
