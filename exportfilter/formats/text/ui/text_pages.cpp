// The text format's pages and sheets.
#include "text_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "common/printf_format.h"
#include "exportfilter/engine/channel_def_list.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/formats/text/text_stream.h"
#include "exportfilter/ui/channel_def_list_page.h"
#include "exportfilter/ui/channel_def_pages.h"
#include "exportfilter/ui/file_name_pages.h"
#include "exportfilter/ui/filter_pages.h"
#include "exportfilter/ui/page_widgets.h"
#include "exportfilter/ui/ui_text.h"

namespace grafyon::exportfilter {

namespace {

QSpinBox* SpinBox(int low, int high, int value) {
    auto* box = new QSpinBox;
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QComboBox* Combo(int firstId, int count, int value) {
    auto* combo = new QComboBox;
    AddComboEntries(*combo, firstId, count);
    SelectComboValue(*combo, value);
    return combo;
}

CQuenarChannelDefText* TextColumn(CQuenarChannelDef& definition) {
    return dynamic_cast<CQuenarChannelDefText*>(&definition);
}

}  // namespace

CTextPage::CTextPage(CQuenarStreamText& stream, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_TEXT_PAGE), parent),
      m_stream(stream),
      m_header(new QPlainTextEdit(StoredTextForEditor(stream.header))),
      m_linesAfterHeader(SpinBox(0, CQuenarStreamText::MAX_LINES, stream.UsedLinesAfterHeader())),
      m_headerOnOwnPage(new QCheckBox(QuenarText(QUENAR_STR_TEXT_HEADER_OWN_PAGE))),
      m_rowsOnPage(SpinBox(0, CQuenarStreamText::MAX_LINES, stream.UsedRowsOnPage())),
      m_titleMode(Combo(QUENAR_STR_TEXT_TITLE_MODE_0, 3, static_cast<int>(stream.UsedTitleMode()))),
      m_linesAfterTitle(SpinBox(0, CQuenarStreamText::MAX_LINES, stream.UsedLinesAfterTitle())) {
    auto* layout = new QVBoxLayout(this);
    auto* headerBox = new QGroupBox(QuenarText(QUENAR_STR_TEXT_HEADER));
    auto* headerLayout = new QFormLayout(headerBox);
    m_header->setLineWrapMode(QPlainTextEdit::NoWrap);
    headerLayout->addRow(m_header);
    headerLayout->addRow(BuddyLabel(QUENAR_STR_TEXT_LINES_AFTER_HEADER, m_linesAfterHeader),
                         m_linesAfterHeader);
    m_headerOnOwnPage->setChecked(stream.headerOnOwnPage != 0);
    headerLayout->addRow(m_headerOnOwnPage);
    layout->addWidget(headerBox);
    auto* form = new QFormLayout;
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_ROWS_ON_PAGE, m_rowsOnPage), m_rowsOnPage);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_TITLE_MODE, m_titleMode), m_titleMode);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_LINES_AFTER_TITLE, m_linesAfterTitle),
                 m_linesAfterTitle);
    layout->addLayout(form);
    layout->addStretch();
}

void CTextPage::Apply() {
    m_stream.header = EditorTextForStorage(m_header->toPlainText());
    m_stream.linesAfterHeader = m_linesAfterHeader->value();
    m_stream.headerOnOwnPage = m_headerOnOwnPage->isChecked() ? 1 : 0;
    m_stream.rowsOnPage = m_rowsOnPage->value();
    m_stream.titleMode = ComboValue(*m_titleMode, m_stream.titleMode);
    m_stream.linesAfterTitle = m_linesAfterTitle->value();
}

CTextColumnFormatPage::CTextColumnFormatPage(CQuenarChannelDefText& column, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_TEXT_FORMAT_PAGE), parent),
      m_column(column),
      m_columnType(
          Combo(QUENAR_STR_TEXT_COLUMN_TYPE_0, 4, static_cast<int>(column.UsedColumnType()))),
      m_widthMode(Combo(QUENAR_STR_TEXT_WIDTH_MODE_0, 2, column.IsFixedWidth() ? 0 : 1)),
      m_width(SpinBox(1, CQuenarChannelDefText::MAX_WIDTH, column.UsedWidth())),
      m_separator(Combo(QUENAR_STR_TEXT_SEPARATOR_0, 5, static_cast<int>(column.UsedSeparator()))),
      m_separatorText(new QLineEdit(ToQString(column.separatorText))) {
    auto* form = new QFormLayout(this);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_TYPE_LABEL, m_columnType), m_columnType);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_WIDTH_MODE, m_widthMode), m_widthMode);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_CHARACTERS, m_width), m_width);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_SEPARATOR, m_separator), m_separator);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_USER_SEPARATOR, m_separatorText), m_separatorText);
    connect(m_widthMode, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
    connect(m_separator, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
    UpdateEnabled();
}

void CTextColumnFormatPage::UpdateEnabled() {
    m_width->setEnabled(ComboValue(*m_widthMode, 0) == 0);
    m_separatorText->setEnabled(ComboValue(*m_separator, 0) ==
                                static_cast<int>(TextSeparator::User));
}

void CTextColumnFormatPage::Apply() {
    m_column.columnType = ComboValue(*m_columnType, m_column.columnType);
    m_column.widthMode = ComboValue(*m_widthMode, m_column.widthMode);
    m_column.width = m_width->value();
    m_column.separator = ComboValue(*m_separator, m_column.separator);
    m_column.separatorText = ToStdString(m_separatorText->text());
}

CTextColumnTitlePage::CTextColumnTitlePage(CQuenarChannelDefText& column, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_TEXT_TITLE_PAGE), parent), m_column(column) {
    auto* layout = new QVBoxLayout(this);
    m_name = AddTitle(*layout, QUENAR_STR_TEXT_NAME_TITLE, column.nameTitle, false);
    m_label = AddTitle(*layout, QUENAR_STR_TEXT_LABEL_TITLE, column.labelTitle, false);
    m_unit = AddTitle(*layout, QUENAR_STR_TEXT_UNIT_TITLE, column.unitTitle, true);
    layout->addStretch();
}

TextTitleControls CTextColumnTitlePage::AddTitle(QVBoxLayout& layout, int labelId,
                                                 const TextTitle& title, bool withBrackets) {
    TextTitleControls controls;
    auto* box = new QGroupBox;
    auto* grid = new QGridLayout(box);
    controls.shown = new QCheckBox(QuenarText(labelId));
    controls.shown->setChecked(title.shown != 0);
    grid->addWidget(controls.shown, 0, 0, 1, 2);
    controls.userDefined = new QCheckBox(QuenarText(QUENAR_STR_TEXT_USER_DEFINED));
    controls.userDefined->setChecked(title.userDefined != 0);
    controls.text = new QLineEdit(ToQString(title.text));
    grid->addWidget(controls.userDefined, 1, 0);
    grid->addWidget(controls.text, 1, 1);
    controls.alignment =
        Combo(QUENAR_STR_TEXT_ALIGNMENT_0, 3, static_cast<int>(title.UsedAlignment()));
    grid->addWidget(BuddyLabel(QUENAR_STR_TEXT_ALIGNMENT, controls.alignment), 2, 0);
    grid->addWidget(controls.alignment, 2, 1);
    if (withBrackets) {
        controls.brackets = new QCheckBox(QuenarText(QUENAR_STR_TEXT_BRACKETS));
        controls.brackets->setChecked(title.brackets != 0);
        grid->addWidget(controls.brackets, 3, 0, 1, 2);
    }
    layout.addWidget(box);

    const TextTitleControls copy = controls;
    const auto update = [copy] {
        const bool shown = copy.shown->isChecked();
        copy.userDefined->setEnabled(shown);
        copy.text->setEnabled(shown && copy.userDefined->isChecked());
        copy.alignment->setEnabled(shown);
        if (copy.brackets != nullptr)
            copy.brackets->setEnabled(shown);
    };
    connect(controls.shown, &QCheckBox::toggled, this, update);
    connect(controls.userDefined, &QCheckBox::toggled, this, update);
    update();
    return controls;
}

void CTextColumnTitlePage::ApplyTitle(const TextTitleControls& controls, TextTitle& title) {
    title.shown = controls.shown->isChecked() ? 1 : 0;
    title.userDefined = controls.userDefined->isChecked() ? 1 : 0;
    title.text = ToStdString(controls.text->text());
    title.alignment = ComboValue(*controls.alignment, title.alignment);
    if (controls.brackets != nullptr)
        title.brackets = controls.brackets->isChecked() ? 1 : 0;
}

void CTextColumnTitlePage::Apply() {
    ApplyTitle(m_name, m_column.nameTitle);
    ApplyTitle(m_label, m_column.labelTitle);
    ApplyTitle(m_unit, m_column.unitTitle);
}

CTextColumnRepresentationPage::CTextColumnRepresentationPage(CQuenarChannelDefText& column,
                                                             QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_TEXT_REPRESENTATION_PAGE), parent),
      m_column(column),
      m_representation(Combo(QUENAR_STR_TEXT_REPRESENTATION_0, 3, column.representation)),
      m_numberFormat(
          Combo(QUENAR_STR_TEXT_NUMBER_FORMAT_0, 3, static_cast<int>(column.UsedNumberFormat()))),
      m_timeFormat(Combo(QUENAR_STR_TEXT_TIME_FORMAT_0, 9, column.timeFormat)),
      m_precision(SpinBox(0, CQuenarChannelDefText::MAX_PRECISION, column.UsedPrecision())),
      m_numberWidth(SpinBox(1, CQuenarChannelDefText::MAX_NUMBER_WIDTH, column.UsedNumberWidth())),
      m_notation(Combo(QUENAR_STR_TEXT_NOTATION_0, 2, column.IsLocalNotation() ? 0 : 1)),
      m_alignment(Combo(QUENAR_STR_TEXT_ALIGNMENT_0, 3, static_cast<int>(column.UsedAlignment()))) {
    auto* form = new QFormLayout(this);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_REPRESENTATION, m_representation), m_representation);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_NUMBER_FORMAT, m_numberFormat), m_numberFormat);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_TIME_FORMAT, m_timeFormat), m_timeFormat);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_PRECISION, m_precision), m_precision);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_NUMBER_WIDTH, m_numberWidth), m_numberWidth);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_NOTATION, m_notation), m_notation);
    form->addRow(BuddyLabel(QUENAR_STR_TEXT_VALUE_ALIGNMENT, m_alignment), m_alignment);
}

void CTextColumnRepresentationPage::Apply() {
    m_column.representation = ComboValue(*m_representation, m_column.representation);
    m_column.numberFormat = ComboValue(*m_numberFormat, m_column.numberFormat);
    m_column.timeFormat = ComboValue(*m_timeFormat, m_column.timeFormat);
    m_column.precision = m_precision->value();
    m_column.numberWidth = m_numberWidth->value();
    m_column.notation = ComboValue(*m_notation, m_column.notation);
    m_column.alignment = ComboValue(*m_alignment, m_column.alignment);
}

QString ColumnWidthText(const CQuenarChannelDefText& column) {
    if (!column.IsFixedWidth())
        return QuenarText(QUENAR_STR_TEXT_WIDTH_MODE_0 + 1);
    return ToQString(FormatPrintf(QuenarString(QUENAR_STR_TEXT_LETTERS), column.UsedWidth()));
}

void AddTextPages(FilterPageRegistry& registry) {
    ChannelListSetup columns;
    columns.titleId = QUENAR_STR_COLUMNS;
    const auto text = [](const CQuenarChannelDef& d) {
        return dynamic_cast<const CQuenarChannelDefText*>(&d);
    };
    columns.columns = {
        {QUENAR_STR_CHANNEL_ID, 70,
         [](const CQuenarChannelDef& d) { return ToQString(d.identifier); }},
        {QUENAR_STR_TEXT_COLUMN_TYPE, 60,
         [text](const CQuenarChannelDef& d) {
             const auto* column = text(d);
             return column ? QuenarText(QUENAR_STR_TEXT_COLUMN_TYPE_0 +
                                        static_cast<int>(column->UsedColumnType()))
                           : QString();
         }},
        {QUENAR_STR_DEFAULT, 70,
         [text](const CQuenarChannelDef& d) {
             const auto* column = text(d);
             // Only a dataset column takes a default dataset.
             if (column != nullptr && column->UsedColumnType() != TextColumnType::Dataset)
                 return QuenarText(QUENAR_STR_NO_DEFAULT);
             return ToQString(DefaultDatasetText(d));
         }},
        {QUENAR_STR_TEXT_COLUMN_WIDTH, 50,
         [text](const CQuenarChannelDef& d) {
             const auto* column = text(d);
             return column ? ColumnWidthText(*column) : QString();
         }},
    };
    columns.create = [] { return std::make_unique<CQuenarChannelDefText>(); };

    FilterSheetDescription sheet;
    sheet.titleId = QUENAR_STR_FORMAT_TEXT;
    sheet.pages = {
        FilterGeneralPageFactory(),
        ChannelDefListPageFactory(std::move(columns)),
        [](CQuenarClass& filter, const PageContext&) -> std::unique_ptr<EditPage> {
            auto* stream = dynamic_cast<CQuenarStreamText*>(&filter);
            return stream ? std::make_unique<CTextPage>(*stream) : nullptr;
        },
        SingleFilePageFactory([](CQuenarClass& filter) -> CQuenarFileSingle* {
            auto* stream = dynamic_cast<CQuenarStreamText*>(&filter);
            return stream ? &stream->outputFile : nullptr;
        }),
        MethodPageFactory(),
    };
    sheet.firstPage = 0;
    sheet.check = RequireChannelDefinitions(QUENAR_MSG_NO_COLUMN);
    registry.SetFilterSheet(CQuenarStreamText::CLASS_INFO.name, std::move(sheet));

    ChannelSheetDescription column;
    column.pages = {
        ChannelGeneralPageFactory(),
        [](CQuenarChannelDef& d, const PageContext&) -> std::unique_ptr<EditPage> {
            CQuenarChannelDefText* c = TextColumn(d);
            return c ? std::make_unique<CTextColumnFormatPage>(*c) : nullptr;
        },
        [](CQuenarChannelDef& d, const PageContext&) -> std::unique_ptr<EditPage> {
            CQuenarChannelDefText* c = TextColumn(d);
            return c ? std::make_unique<CTextColumnTitlePage>(*c) : nullptr;
        },
        [](CQuenarChannelDef& d, const PageContext&) -> std::unique_ptr<EditPage> {
            CQuenarChannelDefText* c = TextColumn(d);
            return c ? std::make_unique<CTextColumnRepresentationPage>(*c) : nullptr;
        },
    };
    registry.SetChannelSheet(CQuenarChannelDefText::CLASS_INFO.name, std::move(column));
}

}  // namespace grafyon::exportfilter
