// The Report file page: the program report written, shown, printed and mailed.
#pragma once

#include <QWidget>

#include <functional>

#include "about/brisel_settings.h"
#include "about/oem_profile.h"
#include "about/report_mail.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace grafyon::about {

class CReportPage : public QWidget {
    Q_OBJECT
public:
    // settings, oem and library must outlive the page.
    CReportPage(const BriselSettings& settings, const OemProfile& oem, const ModuleRow& library,
                QWidget* parent = nullptr);

    const QString& ReportPath() const { return m_path; }
    // Messages go to a modal box unless a test takes them.
    void SetMessageSink(std::function<void(const QString&)> sink) {
        m_showMessage = std::move(sink);
    }
    void SetMailFunctions(const MailFunctions& mail) { m_mail = mail; }

public slots:
    // Writes the report file and shows it; done once, when the page is first shown.
    void WriteReport();
    // Hands the report file to "lp" without waiting for it.
    void Print();
    void Mail();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const BriselSettings& m_settings;
    const OemProfile& m_oem;
    const ModuleRow& m_library;
    QString m_path;
    bool m_written = false;
    QLabel* m_pathLabel;
    QPlainTextEdit* m_text;
    QLineEdit* m_receiver;
    MailFunctions m_mail;
    std::function<void(const QString&)> m_showMessage;
};

}  // namespace grafyon::about
