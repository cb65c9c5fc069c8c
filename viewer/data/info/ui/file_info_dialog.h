// "File Information": the topics of a measurement on the left, the chosen topic's page on
// the right.
#pragma once

#include <QDialog>

#include <vector>

#include "viewer/data/info/info_node.h"
#include "viewer/data/info/info_texts.h"

class QPushButton;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace grafyon {

class MeasurementDescription;

class CFileInfoDialog : public QDialog {
    Q_OBJECT
public:
    // Shows tree (which must not be empty) with the node of select chosen, else the first.
    CFileInfoDialog(QWidget* parent, std::vector<InfoNode> tree, const Element* select = nullptr);

    QTreeWidget* Tree() const { return m_tree; }
    QTextBrowser* Browser() const { return m_browser; }
    QPushButton* OkButton() const { return m_ok; }
    // The topic shown; null before any is chosen.
    const InfoNode* CurrentNode() const;

private:
    void AddItems(QTreeWidgetItem* parent, const std::vector<InfoNode>& nodes,
                  const InfoNode* select, QTreeWidgetItem*& selected);
    void ShowPage(QTreeWidgetItem* item);

    std::vector<InfoNode> m_nodes;  // the items point into it; never changed after building
    QTreeWidget* m_tree = nullptr;
    QTextBrowser* m_browser = nullptr;
    QPushButton* m_ok = nullptr;
};

// Builds the topics of description in the current language and shows them modally, opened
// on the node of select (a dataset, for example) or on "General". False, with nothing shown,
// when the description holds nothing.
bool RunFileInfoDialog(QWidget* parent, const MeasurementDescription& description,
                       const QString& filePath, const InfoNumberFormat& number,
                       const Element* select = nullptr);

}  // namespace grafyon
