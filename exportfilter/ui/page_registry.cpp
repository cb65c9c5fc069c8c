// The registry of edit sheets and the code that opens them.
#include "page_registry.h"

#include "channel_def_pages.h"
#include "dialog_parent.h"
#include "exportfilter/engine/channel_def.h"
#include "exportfilter/engine/format_table.h"
#include "exportfilter/engine/quenar_class.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

namespace {

template <class Sheet>
const Sheet* FindNearest(const std::map<std::string, Sheet>& sheets, const QuenarClassInfo& info) {
    for (const QuenarClassInfo* cls = &info; cls != nullptr; cls = cls->base) {
        if (auto found = sheets.find(cls->name); found != sheets.end())
            return &found->second;
    }
    return nullptr;
}

template <class Object, class Description>
bool RunSheet(Object& object, const Description& description, const QString& title,
              const PageContext& context, QWidget* parent, int firstPage) {
    CEditSheet sheet(title, parent);
    for (const auto& factory : description.pages) {
        if (std::unique_ptr<EditPage> page = factory(object, context))
            sheet.AddPage(std::move(page));
    }
    if (sheet.PageCount() == 0)
        return false;
    if (description.check) {
        sheet.SetCheck(
            [&description, &context](CEditSheet& s) { return description.check(s, context); });
    }
    sheet.ShowPage(firstPage);
    return sheet.exec() == QDialog::Accepted;
}

}  // namespace

void FilterPageRegistry::SetFilterSheet(const std::string& className,
                                        FilterSheetDescription sheet) {
    m_filterSheets[className] = std::move(sheet);
}

void FilterPageRegistry::SetChannelSheet(const std::string& className,
                                         ChannelSheetDescription sheet) {
    m_channelSheets[className] = std::move(sheet);
}

const FilterSheetDescription* FilterPageRegistry::FindFilterSheet(
    const QuenarClassInfo& info) const {
    return FindNearest(m_filterSheets, info);
}

const ChannelSheetDescription* FilterPageRegistry::FindChannelSheet(
    const QuenarClassInfo& info) const {
    return FindNearest(m_channelSheets, info);
}

FilterPageRegistry DefaultFilterPages() {
    FilterPageRegistry registry;
    ChannelSheetDescription plain;
    plain.pages.push_back(ChannelGeneralPageFactory());
    registry.SetChannelSheet(CQuenarChannelDef::CLASS_INFO.name, plain);

    ChannelSheetDescription ownFile = plain;
    ownFile.pages.push_back(ChannelFileNamePageFactory());
    registry.SetChannelSheet(CQuenarChannelDef1File::CLASS_INFO.name, ownFile);
    return registry;
}

bool EditFilterInSheet(CQuenarClass& filter, const PageContext& context, QWidget* parent) {
    const FilterSheetDescription* description =
        context.registry.FindFilterSheet(filter.GetRuntimeClass());
    if (description == nullptr)
        return false;
    const QString title = description->titleId != 0
                              ? QuenarText(description->titleId)
                              : ToQString(FilterFormatName(filter.GetTypeCode()));
    return RunSheet(filter, *description, title, context, parent, description->firstPage);
}

bool EditChannelDefInSheet(CQuenarChannelDef& definition, const PageContext& context,
                           QWidget* parent) {
    const ChannelSheetDescription* description =
        context.registry.FindChannelSheet(definition.GetRuntimeClass());
    if (description == nullptr)
        return false;
    return RunSheet(definition, *description, QuenarText(description->titleId), context, parent, 0);
}

CFilterSheetEditor::CFilterSheetEditor(const FilterPageRegistry& registry,
                                       QuenarMessenger& messenger, QWidget* parent)
    : m_registry(registry), m_messenger(messenger), m_parent(parent) {}

bool CFilterSheetEditor::EditFilter(CQuenarClass& filter) {
    const PageContext context{m_messenger, m_registry};
    return EditFilterInSheet(filter, context, DialogParent(m_parent.data()));
}

}  // namespace grafyon::exportfilter
