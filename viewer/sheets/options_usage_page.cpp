// The "Handling" page of the option sheet.
#include "viewer/sheets/options_usage_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "viewer/settings/summary_cache_settings.h"
#include "viewer/sheets/data_exchange.h"
#include "viewer/sheets/spin_edit.h"

namespace grafyon {

COptionsUsagePage::COptionsUsagePage(OptionValues& values, QWidget* parent)
    : CPropertyPage(tr("Handling"), parent),
      m_values(values),
      m_centerMode(new QButtonGroup(this)) {
    auto* group = new QGroupBox(tr("Center rmode"), this);
    auto* groupLayout = new QVBoxLayout(group);
    const struct {
        QString text;
        const char* name;
    } modes[] = {{tr("Center &vertically and horizontal"), "centerBothRadio"},
                 {tr("Center only &horizontal"), "centerHorizontalRadio"},
                 {tr("&Inactive"), "centerInactiveRadio"}};
    int id = 0;
    for (const auto& mode : modes) {
        auto* button = new QRadioButton(mode.text, group);
        button->setObjectName(mode.name);
        m_centerMode->addButton(button, id++);
        groupLayout->addWidget(button);
    }

    auto* cache = new QGroupBox(tr("Summaries for reopening"), this);
    auto* cacheLayout = new QVBoxLayout(cache);
    m_summaryCache = new QCheckBox(tr("&Keep the summaries of opened measurements"), cache);
    m_summaryCache->setObjectName("summaryCacheCheck");
    cacheLayout->addWidget(m_summaryCache);
    auto* limitRow = new QHBoxLayout;
    auto* limitLabel = new QLabel(tr("&Limit of the cache folder (MiB):"), cache);
    m_cacheLimit = new SpinEdit(0, SummaryCacheSettings::LIMIT_MIB_MAX, cache);
    m_cacheLimit->setObjectName("summaryCacheLimitEdit");
    limitLabel->setBuddy(m_cacheLimit);
    limitRow->addWidget(limitLabel);
    limitRow->addWidget(m_cacheLimit);
    cacheLayout->addLayout(limitRow);
    connect(m_summaryCache, &QCheckBox::toggled, m_cacheLimit, &QWidget::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(cache);
    layout->addStretch(1);
    m_centerMode->button(m_values.centerMode)->setChecked(true);
    m_summaryCache->setChecked(m_values.summaryCache);
    m_cacheLimit->SetValue(m_values.summaryCacheLimitMiB);
    m_cacheLimit->setEnabled(m_values.summaryCache);
}

bool COptionsUsagePage::SaveFields(DataExchange& exchange) {
    int limit = m_values.summaryCacheLimitMiB;
    if (m_summaryCache->isChecked() &&
        !exchange.Integer(m_cacheLimit, 0, SummaryCacheSettings::LIMIT_MIB_MAX, limit)) {
        return false;
    }
    m_values.centerMode = m_centerMode->checkedId();
    m_values.summaryCache = m_summaryCache->isChecked();
    m_values.summaryCacheLimitMiB = limit;
    return true;
}

}  // namespace grafyon
