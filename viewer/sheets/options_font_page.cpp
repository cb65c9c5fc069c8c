// The "Labelling" page of the option sheet.
#include "viewer/sheets/options_font_page.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "viewer/settings/viewer_settings.h"
#include "viewer/sheets/data_exchange.h"
#include "viewer/sheets/spin_edit.h"

namespace grafyon {

namespace {

// A record asking for any weight is drawn with the normal one.
int EffectiveWeight(int weight) {
    return weight > 0 ? weight : FONT_WEIGHT_NORMAL;
}

}  // namespace

COptionsFontPage::COptionsFontPage(OptionValues& values, QWidget* parent)
    : CPropertyPage(tr("Labelling"), parent), m_values(values) {
    auto* fontGroup = new QGroupBox(tr("&Font"), this);
    auto* fontLayout = new QFormLayout(fontGroup);
    m_face = new QComboBox(fontGroup);
    m_face->setObjectName("faceCombo");
    fontLayout->addRow(m_face);
    m_size = new QComboBox(fontGroup);
    m_size->setObjectName("sizeCombo");
    m_size->setEditable(true);
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (int size : FONT_SIZE_LIST)
        m_size->addItem(QString::number(size));
    fontLayout->addRow(tr("&Size:"), m_size);
    m_style = new QComboBox(fontGroup);
    m_style->setObjectName("styleCombo");
    fontLayout->addRow(tr("S&tyle:"), m_style);

    auto* formatGroup = new QGroupBox(tr("Cursor value format"), this);
    auto* formatLayout = new QFormLayout(formatGroup);
    m_formatType = new QComboBox(formatGroup);
    m_formatType->setObjectName("formatCombo");
    m_formatType->addItems({tr("Festkomma"), tr("Gleitkomma"), tr("Exponential")});
    formatLayout->addRow(tr("F&ormat:"), m_formatType);
    m_width = new SpinEdit(0, CURSOR_FORMAT_WIDTH_MAX, formatGroup);
    m_width->setObjectName("characterCountEdit");
    formatLayout->addRow(tr("&Character count:"), m_width);
    m_precision = new SpinEdit(0, CURSOR_FORMAT_PRECISION_MAX, formatGroup);
    m_precision->setObjectName("precisionEdit");
    formatLayout->addRow(tr("&Precision:"), m_precision);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontGroup);
    layout->addWidget(formatGroup);
    layout->addStretch(1);

    FillFaces();
    FillStyles();
    const long long size = std::llabs(static_cast<long long>(m_values.font.height));
    const int sizeIndex = m_size->findText(QString::number(size));
    m_size->setCurrentIndex(sizeIndex);
    if (sizeIndex < 0)
        m_size->setEditText(QString::number(size));
    m_openingSizeText = m_size->currentText();
    m_formatType->setCurrentIndex(m_values.formatType);
    m_width->SetValue(m_values.formatWidth);
    m_precision->SetValue(m_values.formatPrecision);

    connect(m_face, &QComboBox::activated, this, &COptionsFontPage::OnFaceChosen);
    connect(m_style, &QComboBox::activated, this, &COptionsFontPage::OnStyleChosen);
}

void COptionsFontPage::FillFaces() {
    const QString current = QString::fromStdString(m_values.font.faceName);
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isSmoothlyScalable(family))
            m_face->addItem(family);
    }
    if (!current.isEmpty() && m_face->findText(current) < 0)
        m_face->addItem(current);
    m_face->setCurrentIndex(m_face->findText(current));
}

void COptionsFontPage::FillStyles() {
    m_style->clear();
    const QString face = QString::fromStdString(m_values.font.faceName);
    struct Style {
        QString name;
        int weight;
        bool italic;
    };
    std::vector<Style> styles;
    for (const QString& name : QFontDatabase::styles(face)) {
        // An oblique face is what the record calls italic.
        const bool italic = QFontDatabase::italic(face, name) ||
                            QFontDatabase::font(face, name, 12).style() != QFont::StyleNormal;
        styles.push_back({name, QFontDatabase::weight(face, name), italic});
    }
    // The record knows weight and slant only, so styles differing in width alone ("Bold",
    // "Condensed Bold") would choose the same font: offer each pair once, by its shortest
    // name, lightest and upright first.
    std::sort(styles.begin(), styles.end(), [](const Style& a, const Style& b) {
        if (a.weight != b.weight)
            return a.weight < b.weight;
        if (a.italic != b.italic)
            return !a.italic;
        if (a.name.size() != b.name.size())
            return a.name.size() < b.name.size();
        return a.name < b.name;
    });
    styles.erase(std::unique(styles.begin(), styles.end(),
                             [](const Style& a, const Style& b) {
                                 return a.weight == b.weight && a.italic == b.italic;
                             }),
                 styles.end());

    const int weight = EffectiveWeight(m_values.font.weight);
    const bool italic = m_values.font.italic != 0;
    int match = -1;
    for (const Style& style : styles) {
        m_style->addItem(style.name);
        const int index = m_style->count() - 1;
        m_style->setItemData(index, style.weight, WEIGHT_ROLE);
        m_style->setItemData(index, style.italic, ITALIC_ROLE);
        if (style.weight == weight && style.italic == italic)
            match = index;
    }
    m_style->setCurrentIndex(match);
}

void COptionsFontPage::OnFaceChosen(int index) {
    if (index < 0)
        return;
    m_values.font.faceName = m_face->itemText(index).toStdString();
    FillStyles();
}

void COptionsFontPage::OnStyleChosen(int index) {
    if (index < 0)
        return;
    m_values.font.weight = m_style->itemData(index, WEIGHT_ROLE).toInt();
    m_values.font.italic = m_style->itemData(index, ITALIC_ROLE).toBool() ? 1 : 0;
}

bool COptionsFontPage::SaveFields(DataExchange& exchange) {
    int width = 0;
    int precision = 0;
    if (!exchange.Integer(m_width, 0, CURSOR_FORMAT_WIDTH_MAX, width) ||
        !exchange.Integer(m_precision, 0, CURSOR_FORMAT_PRECISION_MAX, precision)) {
        return false;
    }
    // The size is judged by the whole entry, not keystroke by keystroke, so "12.5" does not
    // leave 12 behind; an entry that is no size keeps the previous one without a message.
    // An untouched entry leaves the record alone, a positive (cell) height included.
    const QString sizeText = m_size->currentText();
    if (sizeText != m_openingSizeText) {
        if (const std::optional<int> size = ParseFontSize(sizeText.toStdString()))
            m_values.font.height = -*size;
    }
    m_values.formatType = m_formatType->currentIndex();
    m_values.formatPrecision = precision;
    m_values.formatWidth = AdjustedFormatWidth(width, precision);
    if (m_values.formatWidth != width)
        m_width->SetValue(m_values.formatWidth);
    return true;
}

}  // namespace grafyon
