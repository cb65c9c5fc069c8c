// The about box's sheet and the order of its pages.
#include "brisel_sheet.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "about/about_strings.h"
#include "options_page.h"
#include "report_page.h"
#include "support_page.h"
#include "system_page.h"
#include "version_page.h"

namespace grafyon::about {

namespace {

QString Text(int id) {
    return QString::fromStdString(BriselString(id));
}

}  // namespace

CBriselSheet::CBriselSheet(BriselSettings settings, ModuleRow library, const QPixmap* picture,
                           QWidget* parent)
    : QDialog(parent),
      m_settings(std::move(settings)),
      m_oem(OemProfile::Load(m_settings.oemAddressFile)),
      m_library(std::move(library)),
      m_pages(new QTabWidget) {
    setWindowTitle(Text(BRISEL_STR_CAPTION)
                       .replace(QStringLiteral("%s"), QString::fromStdString(m_settings.program)));
    if (m_settings.versionPage) {
        m_pages->addTab(
            new CVersionPage(m_settings, CollectModules(m_settings, m_library), m_oem, picture),
            Text(BRISEL_STR_PAGE_VERSION));
        m_pages->addTab(new COptionsPage(CollectOptions(m_settings)),
                        Text(BRISEL_STR_PAGE_OPTIONS));
    }
    if (m_settings.systemPage)
        m_pages->addTab(new CSystemPage, Text(BRISEL_STR_PAGE_SYSTEM));
    if (m_settings.logfilePage) {
        m_reportPage = new CReportPage(m_settings, m_oem, m_library);
        m_pages->addTab(m_reportPage, Text(BRISEL_STR_PAGE_REPORT));
    }
    m_supportPage = new CSupportPage(m_settings, m_oem);
    m_pages->addTab(m_supportPage, Text(BRISEL_STR_PAGE_SUPPORT));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
}

CBriselSheet::~CBriselSheet() = default;

}  // namespace grafyon::about
