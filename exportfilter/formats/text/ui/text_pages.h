// The text format's sheets: "Text" with the header and title settings, the "Columns" list,
// and a column's pages "Format", "Title" and "Representation".
#pragma once

#include <QString>

#include "exportfilter/ui/edit_sheet.h"
#include "exportfilter/ui/page_registry.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QVBoxLayout;

namespace grafyon::exportfilter {

class CQuenarChannelDefText;
class CQuenarStreamText;
struct TextTitle;

// "Text": the general header and the lines, pages and titles around the rows.
class CTextPage : public EditPage {
    Q_OBJECT
public:
    explicit CTextPage(CQuenarStreamText& stream, QWidget* parent = nullptr);
    void Apply() override;

    QPlainTextEdit* Header() const { return m_header; }
    QSpinBox* LinesAfterHeader() const { return m_linesAfterHeader; }
    QCheckBox* HeaderOnOwnPage() const { return m_headerOnOwnPage; }
    QSpinBox* RowsOnPage() const { return m_rowsOnPage; }
    QComboBox* TitleMode() const { return m_titleMode; }
    QSpinBox* LinesAfterTitle() const { return m_linesAfterTitle; }

private:
    CQuenarStreamText& m_stream;
    QPlainTextEdit* m_header;
    QSpinBox* m_linesAfterHeader;
    QCheckBox* m_headerOnOwnPage;
    QSpinBox* m_rowsOnPage;
    QComboBox* m_titleMode;
    QSpinBox* m_linesAfterTitle;
};

// "Format": what the column shows, its width and the separator after it.
class CTextColumnFormatPage : public EditPage {
    Q_OBJECT
public:
    explicit CTextColumnFormatPage(CQuenarChannelDefText& column, QWidget* parent = nullptr);
    void Apply() override;

    QComboBox* ColumnType() const { return m_columnType; }
    QComboBox* WidthMode() const { return m_widthMode; }
    QSpinBox* Width() const { return m_width; }
    QComboBox* Separator() const { return m_separator; }
    QLineEdit* UserSeparator() const { return m_separatorText; }

private:
    void UpdateEnabled();

    CQuenarChannelDefText& m_column;
    QComboBox* m_columnType;
    QComboBox* m_widthMode;
    QSpinBox* m_width;
    QComboBox* m_separator;
    QLineEdit* m_separatorText;
};

// The controls of one title cell.
struct TextTitleControls {
    QCheckBox* shown = nullptr;
    QCheckBox* userDefined = nullptr;
    QLineEdit* text = nullptr;
    QComboBox* alignment = nullptr;
    QCheckBox* brackets = nullptr;  // the unit title only
};

// "Title": the name, label and unit cells of the title lines.
class CTextColumnTitlePage : public EditPage {
    Q_OBJECT
public:
    explicit CTextColumnTitlePage(CQuenarChannelDefText& column, QWidget* parent = nullptr);
    void Apply() override;

    const TextTitleControls& Name() const { return m_name; }
    const TextTitleControls& Label() const { return m_label; }
    const TextTitleControls& Unit() const { return m_unit; }

private:
    TextTitleControls AddTitle(QVBoxLayout& layout, int labelId, const TextTitle& title,
                               bool withBrackets);
    static void ApplyTitle(const TextTitleControls& controls, TextTitle& title);

    CQuenarChannelDefText& m_column;
    TextTitleControls m_name;
    TextTitleControls m_label;
    TextTitleControls m_unit;
};

// "Representation": the number format, precision, width, notation and value alignment.
class CTextColumnRepresentationPage : public EditPage {
    Q_OBJECT
public:
    explicit CTextColumnRepresentationPage(CQuenarChannelDefText& column,
                                           QWidget* parent = nullptr);
    void Apply() override;

    QComboBox* Representation() const { return m_representation; }
    QComboBox* NumberFormatChoice() const { return m_numberFormat; }
    QComboBox* TimeFormat() const { return m_timeFormat; }
    QSpinBox* Precision() const { return m_precision; }
    QSpinBox* NumberWidth() const { return m_numberWidth; }
    QComboBox* Notation() const { return m_notation; }
    QComboBox* Alignment() const { return m_alignment; }

private:
    CQuenarChannelDefText& m_column;
    QComboBox* m_representation;
    QComboBox* m_numberFormat;
    QComboBox* m_timeFormat;
    QSpinBox* m_precision;
    QSpinBox* m_numberWidth;
    QComboBox* m_notation;
    QComboBox* m_alignment;
};

// The "Column width" cell of the columns list: "%d letters", or "variable".
QString ColumnWidthText(const CQuenarChannelDefText& column);

// The sheet of CQuenarStreamText (string 1008: general, "Columns", "Text", "File names",
// "Method"; no column: message 4026) and of CQuenarChannelDefText ("Output channel
// definition": general, "Format", "Title", "Representation").
void AddTextPages(FilterPageRegistry& registry);

}  // namespace grafyon::exportfilter
