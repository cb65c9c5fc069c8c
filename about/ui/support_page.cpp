// Support page of the about box.
#include "support_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "about/about_strings.h"
#include "about/support_address.h"
#include "link_control.h"

namespace grafyon::about {

namespace {

QLabel* Named(const std::string& text, const char* name) {
    auto* label = new QLabel(QString::fromStdString(text));
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString Text(int id) {
    return QString::fromStdString(BriselString(id));
}

}  // namespace

CSupportPage::CSupportPage(const BriselSettings& settings, const OemProfile& oem, QWidget* parent)
    : QWidget(parent),
      m_internet(new CLinkControl(CLinkControl::Kind::Web)),
      m_email(new CLinkControl(CLinkControl::Kind::Mail)) {
    const AddressBlock address = SupportPageAddress(oem);
    auto* layout = new QVBoxLayout(this);
    QPixmap logo;
    if (!settings.oemSmallBitmap.empty() &&
        logo.load(QString::fromStdString(settings.oemSmallBitmap))) {
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("logo"));
        picture->setPixmap(logo);
        layout->addWidget(picture);
    }
    layout->addWidget(new QLabel(Text(BRISEL_STR_SUPPORT_ADDRESS)));
    layout->addWidget(Named(address.company, "company"));
    layout->addWidget(Named(address.street, "street"));
    layout->addWidget(Named(address.town, "town"));
    layout->addWidget(Named(address.land, "land"));

    auto* form = new QFormLayout;
    form->addRow(Text(BRISEL_STR_PHONE), Named(address.telefon, "telefon"));
    form->addRow(Text(BRISEL_STR_FAX), Named(address.telefax, "telefax"));
    m_internet->setObjectName(QStringLiteral("internet"));
    m_internet->SetLinkText(QString::fromStdString(address.internet));
    m_email->setObjectName(QStringLiteral("email"));
    m_email->SetLinkText(QString::fromStdString(address.email));
    form->addRow(Text(BRISEL_STR_INTERNET), m_internet);
    form->addRow(Text(BRISEL_STR_EMAIL), m_email);
    form->addRow(Text(BRISEL_STR_MAILBOX), Named(address.bbs, "bbs"));
    layout->addLayout(form);
    layout->addStretch();
}

}  // namespace grafyon::about
