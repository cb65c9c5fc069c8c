// System page of the about box.
#include "system_page.h"

#include <QFormLayout>
#include <QLabel>

#include "about/about_strings.h"
#include "about/system_info.h"

namespace grafyon::about {

CSystemPage::CSystemPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QFormLayout(this);
    auto* ram = new QLabel(QString::fromStdString(RamText()));
    ram->setObjectName(QStringLiteral("ram"));
    auto* disk = new QLabel(QString::fromStdString(DiskText()));
    disk->setObjectName(QStringLiteral("disk"));
    layout->addRow(QString::fromStdString(BriselString(BRISEL_STR_RAM_LABEL)), ram);
    layout->addRow(QString::fromStdString(BriselString(BRISEL_STR_DISK_LABEL)), disk);
}

}  // namespace grafyon::about
