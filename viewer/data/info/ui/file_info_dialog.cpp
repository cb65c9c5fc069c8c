// The "File Information" dialog. Pages go straight to the browser: no file is written.
#include "file_info_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "info_strings.h"
#include "viewer/data/info/info_page.h"
#include "viewer/data/info/info_tree.h"

namespace grafyon {

namespace {

const InfoNode* NodeOf(const QTreeWidgetItem* item) {
    if (item == nullptr)
        return nullptr;
    return reinterpret_cast<const InfoNode*>(item->data(0, Qt::UserRole).value<quintptr>());
}

}  // namespace

CFileInfoDialog::CFileInfoDialog(QWidget* parent, std::vector<InfoNode> tree, const Element* select)
    : QDialog(parent), m_nodes(std::move(tree)) {
    setWindowTitle(tr("File Information"));
    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenLinks(false);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setDefault(true);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_tree);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({240, 480});
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(760, 480);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { ShowPage(current); });

    QTreeWidgetItem* selected = nullptr;
    AddItems(nullptr, m_nodes, FindInfoNode(m_nodes, select), selected);
    m_tree->expandAll();
    if (selected == nullptr)
        selected = m_tree->topLevelItem(0);
    if (selected != nullptr) {
        m_tree->setCurrentItem(selected);
        m_tree->scrollToItem(selected);
    }
    m_tree->setFocus();
}

void CFileInfoDialog::AddItems(QTreeWidgetItem* parent, const std::vector<InfoNode>& nodes,
                               const InfoNode* select, QTreeWidgetItem*& selected) {
    for (const InfoNode& node : nodes) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(m_tree);
        item->setText(0, QString::fromStdString(node.title));
        item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&node)));
        if (&node == select)
            selected = item;
        AddItems(item, node.children, select, selected);
    }
}

const InfoNode* CFileInfoDialog::CurrentNode() const {
    return NodeOf(m_tree->currentItem());
}

void CFileInfoDialog::ShowPage(QTreeWidgetItem* item) {
    if (const InfoNode* node = NodeOf(item))
        m_browser->setHtml(QString::fromStdString(RenderInfoPage(*node)));
}

bool RunFileInfoDialog(QWidget* parent, const MeasurementDescription& description,
                       const QString& filePath, const InfoNumberFormat& number,
                       const Element* select) {
    std::vector<InfoNode> tree =
        BuildInfoTree(description, filePath.toStdString(), number, TranslatedInfoTexts());
    if (tree.empty())
        return false;
    CFileInfoDialog dialog(parent, std::move(tree), select);
    dialog.exec();
    return true;
}

}  // namespace grafyon
