// The text format's sheets: the filter sheet with its pages and the column check (4026),
// the columns list, and what each page copies back.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTreeWidget>

#include "exportfilter/engine/tests/fakes.h"
#include "exportfilter/formats/text/text_stream.h"
#include "exportfilter/formats/text/ui/text_pages.h"
#include "exportfilter/ui/channel_def_list_page.h"
#include "exportfilter/ui/channel_def_pages.h"
#include "exportfilter/ui/filter_pages.h"
#include "exportfilter/ui/page_registry.h"
#include "exportfilter/ui/tests/dialog_driver.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

using Ids = std::vector<int>;

struct TextPagesFixture {
    TextPagesFixture() {
        messenger.SetSink(&sink);
        AddTextPages(pages);
    }
    grafyon::test::ScopedEnv language{"LC_ALL", "C.UTF-8"};
    FakeSink sink;
    QuenarMessenger messenger;
    FilterPageRegistry pages = DefaultFilterPages();
    PageContext Context() { return {messenger, pages}; }
};

CQuenarChannelDefText& AddColumn(CQuenarStreamText& stream, int type, const char* name) {
    auto column = std::make_unique<CQuenarChannelDefText>();
    column->columnType = type;
    column->identifier = name;
    stream.columns.push_back(std::move(column));
    return static_cast<CQuenarChannelDefText&>(*stream.columns.back());
}

TEST(TextSheet, PagesInOrderAndNoColumnAsksMessage4026) {
    TextPagesFixture f;
    CQuenarStreamText stream;
    AddColumn(stream, 1, "Speed");
    // OK to 4026 goes back to the columns page; Cancel discards the whole edit.
    f.sink.answers = {MessageAnswer::Yes, MessageAnswer::Ok, MessageAnswer::Cancel};
    WhenModal<CEditSheet>([](CEditSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "ASCII-Text (Streaming-Data)");
        QStringList titles;
        for (int i = 0; i < sheet.PageCount(); ++i)
            titles << sheet.Page(i)->Title();
        EXPECT_EQ(titles, (QStringList{"General", "Columns", "Text", "File names", "Method"}));
        EXPECT_EQ(sheet.CurrentPage(), 0);
        sheet.FindPage<CTextPage>()->RowsOnPage()->setValue(10);
        auto* list = sheet.FindPage<CChannelDefListPage>();
        list->SelectRow(0);
        list->Delete();
        sheet.ShowPage(2);
        sheet.accept();
        EXPECT_TRUE(sheet.isVisible());
        EXPECT_EQ(sheet.Page(sheet.CurrentPage()), list);
        sheet.accept();
    });
    const PageContext context = f.Context();
    EXPECT_FALSE(EditFilterInSheet(stream, context, nullptr));
    EXPECT_EQ(f.sink.Ids(), (Ids{4004, 4026, 4026}));
    EXPECT_EQ(stream.columns.size(), 1u);
    EXPECT_EQ(stream.rowsOnPage, 64);

    // A confirmed sheet copies every page back.
    WhenModal<CEditSheet>([](CEditSheet& sheet) {
        sheet.FindPage<CTextPage>()->RowsOnPage()->setValue(10);
        sheet.accept();
    });
    EXPECT_TRUE(EditFilterInSheet(stream, context, nullptr));
    EXPECT_EQ(stream.rowsOnPage, 10);
}

TEST(TextSheet, ColumnsListShowsTypeDefaultAndWidth) {
    TextPagesFixture f;
    CQuenarStreamText stream;
    AddColumn(stream, 1, "Speed").defaultDataset = "n";
    AddColumn(stream, 1, "Torque");
    auto& time = AddColumn(stream, 3, "Time");
    time.defaultDataset = "ignored";
    time.widthMode = 1;
    AddColumn(stream, 0, "Gap").width = 3;
    const PageContext context = f.Context();
    const FilterSheetDescription* sheet = f.pages.FindFilterSheet(stream.GetRuntimeClass());
    ASSERT_NE(sheet, nullptr);
    std::unique_ptr<EditPage> page = sheet->pages[1](stream, context);
    auto* list = qobject_cast<CChannelDefListPage*>(page.get());
    ASSERT_NE(list, nullptr);
    const auto row = [list](int r) {
        QStringList texts;
        for (int c = 0; c < list->List()->columnCount(); ++c)
            texts << list->List()->topLevelItem(r)->text(c);
        return texts;
    };
    EXPECT_EQ(list->List()->headerItem()->text(1), "Column type");
    EXPECT_EQ(row(0), (QStringList{"Speed", "Dataset", "n", "16 letters"}));
    EXPECT_EQ(row(1), (QStringList{"Torque", "Dataset", "-----", "16 letters"}));
    EXPECT_EQ(row(2), (QStringList{"Time", "Resolution", "-----", "variable"}));
    EXPECT_EQ(row(3), (QStringList{"Gap", "Separator", "-----", "3 letters"}));

    // Insert makes a text column and opens its own sheet.
    WhenModal<CEditSheet>([](CEditSheet& sheet) {
        EXPECT_EQ(sheet.windowTitle(), "Output channel definition");
        QStringList titles;
        for (int i = 0; i < sheet.PageCount(); ++i)
            titles << sheet.Page(i)->Title();
        EXPECT_EQ(titles, (QStringList{"General", "Format", "Title", "Representation"}));
        sheet.FindPage<CChannelGeneralPage>()->Identifier()->setText("Line");
        sheet.FindPage<CTextColumnFormatPage>()->ColumnType()->setCurrentIndex(2);
        sheet.accept();
    });
    list->Insert();
    ASSERT_EQ(list->Definitions().size(), 5u);
    const auto* inserted = dynamic_cast<const CQuenarChannelDefText*>(list->Definitions()[4].get());
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(inserted->identifier, "Line");
    EXPECT_EQ(inserted->UsedColumnType(), TextColumnType::LineNumber);
}

TEST(TextPages, ColumnPagesCopyTheirValuesBack) {
    CQuenarChannelDefText column;
    CTextColumnFormatPage format(column);
    EXPECT_TRUE(format.Width()->isEnabled());
    EXPECT_FALSE(format.UserSeparator()->isEnabled());
    format.WidthMode()->setCurrentIndex(1);
    format.Separator()->setCurrentIndex(1);
    EXPECT_FALSE(format.Width()->isEnabled());
    EXPECT_TRUE(format.UserSeparator()->isEnabled());
    format.ColumnType()->setCurrentIndex(3);
    format.UserSeparator()->setText(" ; ");
    format.Width()->setValue(250);  // the spin box keeps it within 1-100
    format.Apply();
    EXPECT_EQ(std::tie(column.columnType, column.widthMode, column.width, column.separator),
              std::make_tuple(3, 1, 100, 1));
    EXPECT_EQ(column.separatorText, " ; ");

    CTextColumnTitlePage title(column);
    EXPECT_FALSE(title.Name().userDefined->isEnabled()) << "a title not shown";
    title.Name().shown->setChecked(true);
    title.Name().userDefined->setChecked(true);
    EXPECT_TRUE(title.Name().text->isEnabled());
    title.Name().text->setText("Zeit");
    title.Name().alignment->setCurrentIndex(2);
    title.Unit().shown->setChecked(true);
    title.Unit().brackets->setChecked(true);
    EXPECT_EQ(title.Label().brackets, nullptr);
    title.Apply();
    EXPECT_EQ(column.nameTitle, (TextTitle{1, 1, 0, 2, "Zeit"}));
    EXPECT_EQ(column.labelTitle, TextTitle{});
    EXPECT_EQ(column.unitTitle, (TextTitle{1, 0, 1, 0, ""}));

    CTextColumnRepresentationPage representation(column);
    EXPECT_EQ(representation.Notation()->currentText(), "International");
    EXPECT_EQ(representation.TimeFormat()->currentText(), "sec");
    representation.NumberFormatChoice()->setCurrentIndex(1);
    representation.Precision()->setValue(24);
    representation.NumberWidth()->setValue(25);
    representation.Notation()->setCurrentIndex(0);
    representation.Alignment()->setCurrentIndex(1);
    representation.TimeFormat()->setCurrentIndex(8);
    representation.Apply();
    EXPECT_EQ(std::tie(column.numberFormat, column.precision, column.numberWidth, column.notation,
                       column.alignment, column.timeFormat),
              std::make_tuple(1, 24, 25, 0, 1, 8));
}

TEST(TextPages, TextPageStoresTheHeaderWithCrLf) {
    CQuenarStreamText stream;
    stream.header = "a\r\nb";
    stream.titleMode = 7;  // shown as the last choice
    CTextPage page(stream);
    EXPECT_EQ(page.Header()->toPlainText(), "a\nb");
    EXPECT_EQ(page.TitleMode()->currentText(), "On every page");
    EXPECT_EQ(page.HeaderOnOwnPage()->text(), "&Header on every page");
    page.Header()->setPlainText("x\ny\n");
    page.LinesAfterHeader()->setValue(1000);
    page.HeaderOnOwnPage()->setChecked(true);
    page.TitleMode()->setCurrentIndex(1);
    page.LinesAfterTitle()->setValue(2);
    page.Apply();
    EXPECT_EQ(stream.header, "x\r\ny\r\n");
    EXPECT_EQ(std::tie(stream.linesAfterHeader, stream.headerOnOwnPage, stream.titleMode,
                       stream.linesAfterTitle),
              std::make_tuple(1000, 1, 1, 2));
}

}  // namespace
}  // namespace grafyon::exportfilter::test
