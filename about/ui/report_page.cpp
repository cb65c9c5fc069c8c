// Report file page of the about box.
#include "report_page.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>

#include <cstdlib>
#include <ctime>

#include "about/about_strings.h"
#include "about/program_report.h"
#include "about/report_file.h"

namespace grafyon::about {

namespace {

QString Text(int id) {
    return QString::fromStdString(BriselString(id));
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

CReportPage::CReportPage(const BriselSettings& settings, const OemProfile& oem,
                         const ModuleRow& library, QWidget* parent)
    : QWidget(parent),
      m_settings(settings),
      m_oem(oem),
      m_library(library),
      m_path(QString::fromStdString(ReportFilePath())),
      m_pathLabel(new QLabel(m_path)),
      m_text(new QPlainTextEdit),
      m_receiver(new QLineEdit) {
    m_mail = {&KoMsgInitMapi, &KoMsgSendMapiMail, &KoMsgExitMapi};
    m_showMessage = [this](const QString& text) {
        QMessageBox::warning(this, window()->windowTitle(), text);
    };
    m_pathLabel->setObjectName(QStringLiteral("reportFile"));
    m_text->setObjectName(QStringLiteral("reportText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_receiver->setObjectName(QStringLiteral("receiver"));
    m_receiver->setText(QString::fromStdString(oem.Get("support", "email")));

    auto* print = new QPushButton(Text(BRISEL_STR_PRINT));
    print->setObjectName(QStringLiteral("print"));
    auto* mail = new QPushButton(Text(BRISEL_STR_MAIL));
    mail->setObjectName(QStringLiteral("mail"));
    connect(print, &QPushButton::clicked, this, &CReportPage::Print);
    connect(mail, &QPushButton::clicked, this, &CReportPage::Mail);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(Text(BRISEL_STR_REPORT_FILE_LABEL)), 0, 0);
    layout->addWidget(m_pathLabel, 0, 1, 1, 2);
    layout->addWidget(m_text, 1, 0, 1, 3);
    layout->addWidget(new QLabel(Text(BRISEL_STR_RECEIVER_LABEL)), 2, 0);
    layout->addWidget(m_receiver, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(mail);
    layout->addLayout(buttons, 2, 2);
}

void CReportPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_written)
        WriteReport();
}

void CReportPage::WriteReport() {
    m_written = true;
    const std::vector<std::string> lines =
        ProgramReportLines(m_settings, m_oem, m_library, std::getenv("TARKO"));
    const std::string path = m_path.toStdString();
    // A report that cannot be written leaves the page empty.
    const std::optional<std::string> text =
        WriteReportFile(path, lines) ? ReadReportFile(path) : std::nullopt;
    m_text->setPlainText(text ? QString::fromStdString(*text) : QString());
}

void CReportPage::Print() {
    if (!m_written)
        WriteReport();
    if (!QProcess::startDetached(QStringLiteral("lp"), {m_path}))
        m_showMessage(Text(BRISEL_STR_PRINT_FAILED));
}

void CReportPage::Mail() {
    if (!m_written)
        WriteReport();
    std::string message;
    {
        const WaitCursor wait;
        message = MailProgramReport(m_mail, m_receiver->text().toStdString(), m_settings.program,
                                    m_path.toStdString(), std::time(nullptr));
    }
    if (!message.empty())
        m_showMessage(QString::fromStdString(message));
}

}  // namespace grafyon::about
