// The measurement panel: a table refreshed from the data access layer after cursor moves.
#include "measurement_panel.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "cursor_measurement.h"
#include "viewer/view/grafyon_doc.h"
#include "viewer/view/model/graphic_layout.h"

namespace grafyon {

namespace {

constexpr const char* TITLES[MEASUREMENT_COLUMNS] = {
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Curve"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Unit"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Value at A"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Value at B"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Δt"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "1/Δt"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Δy"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Minimum"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Maximum"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Mean"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "RMS"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Standard deviation"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Peak-to-peak"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Position of minimum"),
    QT_TRANSLATE_NOOP("grafyon::CMeasurementPanel", "Position of maximum"),
};

}  // namespace

CMeasurementPanel::CMeasurementPanel(CGrafyonDoc& document, QWidget* parent)
    : QDockWidget(tr("Measurement"), parent), m_document(document) {
    setObjectName(QStringLiteral("MeasurementPanel"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* top = new QHBoxLayout;
    m_hint = new QLabel(body);
    m_hint->setWordWrap(true);
    m_copy = new QPushButton(tr("&Copy"), body);
    m_copy->setToolTip(tr("Copy the table as tab-separated text"));
    top->addWidget(m_hint, 1);
    top->addWidget(m_copy);
    layout->addLayout(top);
    m_table = new QTableWidget(0, static_cast<int>(MEASUREMENT_COLUMNS), body);
    m_table->setHorizontalHeaderLabels(ColumnTitles());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);
    setWidget(body);
    connect(m_copy, &QPushButton::clicked, this, &CMeasurementPanel::CopyTable);
    connect(&m_document, &CGrafyonDoc::ViewUpdate, this, [this](int) { ScheduleRefresh(); });
    connect(&m_document, &CGrafyonDoc::PathChanged, this, [this] { ScheduleRefresh(); });
    hide();
}

CMeasurementPanel::~CMeasurementPanel() = default;

QStringList CMeasurementPanel::ColumnTitles() {
    QStringList titles;
    for (const char* title : TITLES)
        titles << QCoreApplication::translate("grafyon::CMeasurementPanel", title);
    return titles;
}

void CMeasurementPanel::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    Refresh();
}

void CMeasurementPanel::ScheduleRefresh() {
    // Several hints of one command, and a run of cursor steps, measure once.
    if (m_refreshPending || !isVisible())
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        if (isVisible())
            Refresh();
    });
}

void CMeasurementPanel::Refresh() {
    std::optional<CursorMeasurement> m;
    if (m_document.HasUsableData())
        m = MeasureCursors(m_document.Layout(), m_document.Access());
    m_copy->setEnabled(m.has_value());
    if (!m) {
        m_table->setRowCount(0);
        m_hint->setText(tr("Set cursor B with Shift+click or Ctrl+B in the cursor mode."));
        return;
    }
    m_hint->setText(tr("A: sample %1, B: sample %2, %3 samples between them")
                        .arg(m->sampleA + 1)
                        .arg(m->sampleB + 1)
                        .arg(std::abs(m->sampleB - m->sampleA) + 1));
    const auto rows = MeasurementCells(*m);
    m_table->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const QString text = QString::fromStdString(rows[r][c]);
            QTableWidgetItem* item = m_table->item(static_cast<int>(r), static_cast<int>(c));
            if (item == nullptr) {
                item = new QTableWidgetItem;
                if (c >= 2)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_table->setItem(static_cast<int>(r), static_cast<int>(c), item);
            }
            if (item->text() != text)
                item->setText(text);
        }
    }
}

QString CMeasurementPanel::TableText() const {
    if (!m_document.HasUsableData())
        return {};
    const std::optional<CursorMeasurement> m =
        MeasureCursors(m_document.Layout(), m_document.Access());
    if (!m)
        return {};
    std::vector<std::string> titles;
    for (const QString& title : ColumnTitles())
        titles.push_back(title.toStdString());
    return QString::fromStdString(MeasurementText(*m, titles));
}

void CMeasurementPanel::CopyTable() {
    const QString text = TableText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

}  // namespace grafyon
