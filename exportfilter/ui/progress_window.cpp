// The progress window of a run.
#include "progress_window.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

#include "common/printf_format.h"
#include "exportfilter/engine/export_strings.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

namespace {

// Repainting a label costs more than comparing its text.
void SetTextIfChanged(QLabel& label, const QString& text) {
    if (label.text() != text)
        label.setText(text);
}

}  // namespace

CProgressWindow::CProgressWindow(ProgressMode mode, QWidget* owner)
    // The run owns the window, so it is nobody's Qt child; it only stays above its owner.
    : QDialog(nullptr),
      m_owner(owner != nullptr ? owner->window() : QApplication::activeWindow()),
      m_bar(new QProgressBar),
      m_percent(new QLabel),
      m_countLabel(new QLabel),
      m_count(new QLabel),
      m_information(new QLabel),
      m_cancel(new QPushButton(QuenarText(QUENAR_STR_CANCEL))) {
    setWindowTitle(QuenarText(QUENAR_STR_DATA_EXPORT));
    setModal(false);
    for (QLabel* label : {m_percent, m_countLabel, m_count, m_information})
        label->setTextFormat(Qt::PlainText);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);

    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(m_percent);
    row->addStretch();
    row->addWidget(m_countLabel);
    row->addWidget(m_count);
    layout->addLayout(row);
    layout->addWidget(m_information);
    layout->addWidget(m_bar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });

    bool percent = false;
    bool countLabel = false;
    bool count = false;
    bool bar = true;
    switch (mode) {
        case ProgressMode::CountAndBar:
            count = true;
            break;
        case ProgressMode::Values:
        case ProgressMode::Rows:
            countLabel = count = true;
            bar = false;
            break;
        case ProgressMode::PercentValuesAndBar:
        case ProgressMode::PercentRowsAndBar:
            percent = countLabel = count = true;
            break;
        default:
            m_information->setText(QuenarText(QUENAR_STR_EXPORT_IN_PROGRESS));
            break;
    }
    const bool values = mode == ProgressMode::Values || mode == ProgressMode::PercentValuesAndBar;
    m_countLabel->setText(QuenarText(values ? QUENAR_STR_VALUES : QUENAR_STR_ROWS));
    m_percent->setVisible(percent);
    m_countLabel->setVisible(countLabel);
    m_count->setVisible(count);
    m_information->setVisible(!count);
    m_bar->setVisible(bar);

    if (m_owner) {
        m_ownerWasEnabled = m_owner->isEnabled();
        m_owner->setEnabled(false);
        create();
        if (QWindow* ownerWindow = m_owner->windowHandle())
            windowHandle()->setTransientParent(ownerWindow);
        adjustSize();
        move(m_owner->geometry().center() - rect().center());
    }
    show();
    raise();
}

CProgressWindow::~CProgressWindow() {
    hide();
    if (m_owner && m_ownerWasEnabled)
        m_owner->setEnabled(true);
}

bool CProgressWindow::Update(double percent, std::int64_t count, std::int64_t total) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (percent >= 0.0) {
        const double shown = std::min(percent, 100.0);
        m_bar->setValue(static_cast<int>(shown));
        SetTextIfChanged(*m_percent, ToQString(FormatPrintf("%5.2f%%", shown)));
    }
    if (count >= 0) {
        const std::string text =
            total >= 1 ? FormatPrintf("%2ld-%ld", count, total) : FormatPrintf("%ld", count);
        SetTextIfChanged(*m_count, ToQString(text));
    }
    const bool cancelled = m_cancelled;
    m_cancelled = false;
    return !cancelled;
}

void CProgressWindow::ShowInformation(int stringId) {
    m_percent->hide();
    m_countLabel->hide();
    m_count->hide();
    SetTextIfChanged(*m_information, QuenarText(stringId));
    m_information->show();
    m_cancel->setEnabled(false);
}

void CProgressWindow::reject() {
    if (m_cancel->isEnabled())
        m_cancelled = true;
}

}  // namespace grafyon::exportfilter
