// The channel-definition list page.
#include "channel_def_list_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "exportfilter/engine/channel_def_list.h"
#include "exportfilter/engine/quenar_class.h"
#include "exportfilter/engine/quenar_message.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

namespace {

std::vector<ChannelListColumn> DefaultColumns() {
    return {
        {QUENAR_STR_CHANNEL_ID, 90,
         [](const CQuenarChannelDef& d) { return ToQString(d.identifier); }},
        {QUENAR_STR_DEFAULT, 90,
         [](const CQuenarChannelDef& d) { return ToQString(DefaultDatasetText(d)); }},
    };
}

}  // namespace

CChannelDefListPage::CChannelDefListPage(CQuenarClass& filter, ChannelListSetup setup,
                                         const PageContext& context, QWidget* parent)
    : EditPage(QuenarText(setup.titleId), parent),
      m_filter(filter),
      m_setup([&setup] {
          if (setup.columns.empty())
              setup.columns = DefaultColumns();
          return std::move(setup);
      }()),
      m_context(context),
      m_list(new QTreeWidget),
      m_up(new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QuenarText(QUENAR_STR_UP))),
      m_down(new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown),
                             QuenarText(QUENAR_STR_DOWN))),
      m_insert(new QPushButton(QuenarText(QUENAR_STR_INSERT))),
      m_duplicate(new QPushButton(QuenarText(QUENAR_STR_DUPLICATE))),
      m_edit(new QPushButton(QuenarText(QUENAR_STR_EDIT))),
      m_delete(new QPushButton(QuenarText(m_setup.deleteLabelId))) {
    if (const ChannelDefList* list = filter.GetChannelDefList()) {
        for (const auto& definition : *list)
            m_definitions.push_back(definition->Clone());
    }

    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAllColumnsShowFocus(true);
    QStringList headers;
    for (const ChannelListColumn& column : m_setup.columns)
        headers << QuenarText(column.headerId);
    m_list->setHeaderLabels(headers);
    for (std::size_t i = 0; i < m_setup.columns.size(); ++i)
        m_list->setColumnWidth(static_cast<int>(i),
                               DialogUnitsX(*this, m_setup.columns[i].widthUnits));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_up, m_down, m_insert, m_duplicate, m_edit, m_delete}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(m_up, &QPushButton::clicked, this, &CChannelDefListPage::MoveUp);
    connect(m_down, &QPushButton::clicked, this, &CChannelDefListPage::MoveDown);
    connect(m_insert, &QPushButton::clicked, this, &CChannelDefListPage::Insert);
    connect(m_duplicate, &QPushButton::clicked, this, &CChannelDefListPage::Duplicate);
    connect(m_edit, &QPushButton::clicked, this, &CChannelDefListPage::Edit);
    connect(m_delete, &QPushButton::clicked, this, &CChannelDefListPage::Delete);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CChannelDefListPage::Edit);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &CChannelDefListPage::UpdateButtons);
    Fill(m_definitions.empty() ? -1 : 0);
}

int CChannelDefListPage::CurrentRow() const {
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->indexOfTopLevelItem(selected.front());
}

void CChannelDefListPage::SelectRow(int row) {
    m_list->clearSelection();
    if (QTreeWidgetItem* item = m_list->topLevelItem(row)) {
        item->setSelected(true);
        m_list->setCurrentItem(item);
    }
    UpdateButtons();
}

void CChannelDefListPage::Fill(int selectRow) {
    m_list->clear();
    for (const auto& definition : m_definitions) {
        QStringList texts;
        for (const ChannelListColumn& column : m_setup.columns)
            texts << column.text(*definition);
        m_list->addTopLevelItem(new QTreeWidgetItem(texts));
    }
    SelectRow(selectRow);
}

void CChannelDefListPage::UpdateButtons() {
    const int row = CurrentRow();
    const int count = static_cast<int>(m_definitions.size());
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < count);
    m_duplicate->setEnabled(row >= 0);
    m_edit->setEnabled(row >= 0);
    m_delete->setEnabled(row >= 0);
}

void CChannelDefListPage::MoveUp() {
    const int row = CurrentRow();
    if (row >= 0)
        Fill(static_cast<int>(MoveChannelDefUp(m_definitions, static_cast<std::size_t>(row))));
}

void CChannelDefListPage::MoveDown() {
    const int row = CurrentRow();
    if (row >= 0)
        Fill(static_cast<int>(MoveChannelDefDown(m_definitions, static_cast<std::size_t>(row))));
}

void CChannelDefListPage::Insert() {
    std::unique_ptr<CQuenarChannelDef> definition =
        m_setup.create ? m_setup.create() : std::make_unique<CQuenarChannelDef>();
    if (!definition || !EditChannelDefInSheet(*definition, m_context, window()))
        return;
    m_definitions.push_back(std::move(definition));
    Fill(static_cast<int>(m_definitions.size()) - 1);
}

void CChannelDefListPage::Duplicate() {
    const int row = CurrentRow();
    if (row >= 0)
        Fill(static_cast<int>(DuplicateChannelDef(m_definitions, static_cast<std::size_t>(row))));
}

void CChannelDefListPage::Edit() {
    const int row = CurrentRow();
    if (row < 0)
        return;
    if (EditChannelDefInSheet(*m_definitions[static_cast<std::size_t>(row)], m_context, window()))
        Fill(row);
}

void CChannelDefListPage::Delete() {
    const int row = CurrentRow();
    if (row < 0 ||
        !DeleteChannelDef(m_definitions, static_cast<std::size_t>(row), m_context.messenger))
        return;
    const int count = static_cast<int>(m_definitions.size());
    Fill(count == 0 ? -1 : std::min(row, count - 1));
}

void CChannelDefListPage::Apply() {
    if (ChannelDefList* list = m_filter.GetChannelDefList())
        *list = std::move(m_definitions);
    m_definitions.clear();
}

FilterPageFactory ChannelDefListPageFactory(ChannelListSetup setup) {
    return [setup = std::move(setup)](CQuenarClass& filter, const PageContext& context) {
        return std::make_unique<CChannelDefListPage>(filter, setup, context);
    };
}

SheetCheck RequireChannelDefinitions(int messageId) {
    return [messageId](CEditSheet& sheet, const PageContext& context) {
        auto* list = sheet.FindPage<CChannelDefListPage>();
        if (list == nullptr || !list->Definitions().empty())
            return CEditSheet::Verdict::Accept;
        if (context.messenger.Message(messageId, MessageButtons::OkCancel) != MessageAnswer::Ok)
            return CEditSheet::Verdict::Discard;
        for (int i = 0; i < sheet.PageCount(); ++i) {
            if (sheet.Page(i) == list)
                sheet.ShowPage(i);
        }
        return CEditSheet::Verdict::Stay;
    };
}

}  // namespace grafyon::exportfilter
