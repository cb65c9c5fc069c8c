// The "Labelling" page of the option sheet.
#include "viewer/sheets/options_font_page.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include <cstdlib>

#include "viewer/settings/viewer_settings.h"
#include "viewer/sheets/data_exchange.h"
#include "viewer/sheets/spin_edit.h"

namespace grafyon::sheets {

namespace {

// A record asking for any weight is drawn with the normal one.
int EffectiveWeight(int weight) {
    return weight > 0 ? weight : viewer::FONT_WEIGHT_NORMAL;
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
    m_width = new SpinEdit(0, viewer::CURSOR_FORMAT_WIDTH_MAX, formatGroup);
    m_width->setObjectName("characterCountEdit");
    formatLayout->addRow(tr("&Character count:"), m_width);
    m_precision = new SpinEdit(0, viewer::CURSOR_FORMAT_PRECISION_MAX, formatGroup);
    m_precision->setObjectName("precisionEdit");
    formatLayout->addRow(tr("&Precision:"), m_precision);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fontGroup);
    layout->addWidget(formatGroup);
    layout->addStretch(1);

    FillFaces();
    FillStyles();
    const int size = static_cast<int>(std::abs(static_cast<long long>(m_values.font.height)));
    const int sizeIndex = m_size->findText(QString::number(size));
    if (sizeIndex >= 0)
        m_size->setCurrentIndex(sizeIndex);
    else
        m_size->setEditText(QString::number(size));
    m_formatType->setCurrentIndex(m_values.formatType);
    m_width->SetValue(m_values.formatWidth);
    m_precision->SetValue(m_values.formatPrecision);

    connect(m_face, &QComboBox::activated, this, &COptionsFontPage::OnFaceChosen);
    connect(m_style, &QComboBox::activated, this, &COptionsFontPage::OnStyleChosen);
    connect(m_size, &QComboBox::editTextChanged, this, &COptionsFontPage::OnSizeText);
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
    const int weight = EffectiveWeight(m_values.font.weight);
    const bool italic = m_values.font.italic != 0;
    int match = -1;
    for (const QString& style : QFontDatabase::styles(face)) {
        const int styleWeight = QFontDatabase::weight(face, style);
        const bool styleItalic = QFontDatabase::italic(face, style);
        m_style->addItem(style);
        const int index = m_style->count() - 1;
        m_style->setItemData(index, styleWeight, WEIGHT_ROLE);
        m_style->setItemData(index, styleItalic, ITALIC_ROLE);
        if (match < 0 && styleWeight == weight && styleItalic == italic)
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

void COptionsFontPage::OnSizeText(const QString& text) {
    if (const std::optional<int> size = ParseFontSize(text.toStdString()))
        m_values.font.height = -*size;
}

bool COptionsFontPage::SaveFields(DataExchange& exchange) {
    int width = 0;
    int precision = 0;
    if (!exchange.Integer(m_width, 0, viewer::CURSOR_FORMAT_WIDTH_MAX, width) ||
        !exchange.Integer(m_precision, 0, viewer::CURSOR_FORMAT_PRECISION_MAX, precision)) {
        return false;
    }
    m_values.formatType = m_formatType->currentIndex();
    m_values.formatPrecision = precision;
    m_values.formatWidth = AdjustedFormatWidth(width, precision);
    if (m_values.formatWidth != width)
        m_width->SetValue(m_values.formatWidth);
    return true;
}

}  // namespace grafyon::sheets
