// Version page of the about box.
#include "version_page.h"

#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "about/about_strings.h"
#include "about/support_address.h"
#include "common/printf_format.h"

namespace grafyon::about {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QLabel* AddLabel(QVBoxLayout* layout, const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    layout->addWidget(label);
    return label;
}

}  // namespace

CVersionPage::CVersionPage(const BriselSettings& settings, const std::vector<ModuleRow>& modules,
                           const OemProfile& oem, const QPixmap* picture, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    QPixmap shown = picture ? *picture : QPixmap();
    if (shown.isNull() && !settings.oemLargeBitmap.empty())
        shown.load(Text(settings.oemLargeBitmap));
    if (!shown.isNull())
        AddLabel(layout, {}, "picture")->setPixmap(shown);

    AddLabel(
        layout,
        Text(settings.program) + Text(FormatPrintf("    %d.%02d", settings.major, settings.minor)),
        "programLine");
    AddLabel(layout, Text(FormatPrintf("Build: %d      ", settings.build)) + Text(settings.date),
             "buildLine");

    auto* list = new QTreeWidget;
    list->setObjectName(QStringLiteral("modules"));
    list->setRootIsDecorated(false);
    list->setHeaderLabels({Text(BriselString(BRISEL_STR_COLUMN_MODULE)),
                           Text(BriselString(BRISEL_STR_COLUMN_VERSION)),
                           Text(BriselString(BRISEL_STR_COLUMN_BUILD)),
                           Text(BriselString(BRISEL_STR_COLUMN_DATE))});
    const int widths[] = {135, 60, 50, 70};
    for (int column = 0; column < 4; ++column)
        list->setColumnWidth(column, widths[column]);
    for (const ModuleRow& row : modules) {
        list->addTopLevelItem(new QTreeWidgetItem(
            {Text(row.name), Text(FormatPrintf("%d.%02d", row.major, row.minor)),
             QString::number(row.build), Text(row.date)}));
    }
    layout->addWidget(list);

    if (const auto distributor = DistributorAddress(oem)) {
        QString block = Text(BriselString(BRISEL_STR_DISTRIBUTOR));
        for (const std::string& line : *distributor) {
            if (!line.empty())
                block += QLatin1Char('\n') + Text(line);
        }
        AddLabel(layout, block, "distributor");
    }
}

}  // namespace grafyon::about
