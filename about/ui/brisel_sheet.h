// The about box: a sheet of pages chosen by the host's settings.
#pragma once

#include <QDialog>

#include <vector>

#include "about/brisel_settings.h"
#include "about/oem_profile.h"

class QPixmap;
class QTabWidget;

namespace grafyon::about {

class CReportPage;
class CSupportPage;

class CBriselSheet : public QDialog {
    Q_OBJECT
public:
    // Version and Options when the version page is enabled, System and Report file when
    // theirs are, Support always. library is the about library's own version row.
    CBriselSheet(BriselSettings settings, ModuleRow library, const QPixmap* picture,
                 QWidget* parent = nullptr);
    ~CBriselSheet() override;

    QTabWidget* Pages() const { return m_pages; }
    CReportPage* ReportPage() const { return m_reportPage; }
    CSupportPage* SupportPage() const { return m_supportPage; }

private:
    const BriselSettings m_settings;
    const OemProfile m_oem;
    const ModuleRow m_library;
    QTabWidget* m_pages;
    CReportPage* m_reportPage = nullptr;
    CSupportPage* m_supportPage = nullptr;
};

}  // namespace grafyon::about
