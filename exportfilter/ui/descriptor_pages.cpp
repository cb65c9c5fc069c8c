// The descriptor page and the measurement streams' sheets.
#include "descriptor_pages.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QVBoxLayout>

#include "channel_def_list_page.h"
#include "channel_def_pages.h"
#include "exportfilter/engine/channel_descriptors.h"
#include "exportfilter/engine/measurement_stream.h"
#include "file_name_pages.h"
#include "filter_pages.h"
#include "page_widgets.h"
#include "ui_text.h"

namespace grafyon::exportfilter {

namespace {

constexpr int NAME_SOURCES = 3;
constexpr int COMMENT_SOURCES = 4;

// A group of radio buttons whose last one ("User defined:") enables the text field.
QButtonGroup* SourceGroup(QWidget* owner, QVBoxLayout* page, int titleId, int firstId, int count,
                          int value, QLineEdit* userText) {
    auto* box = new QGroupBox(QuenarText(titleId));
    auto* layout = new QVBoxLayout(box);
    QButtonGroup* group = AddRadioButtons(owner, layout, firstId, count);
    auto* indented = new QVBoxLayout;
    indented->setContentsMargins(24, 0, 0, 0);
    indented->addWidget(userText);
    layout->addLayout(indented);
    page->addWidget(box);
    CheckValue(*group, value);
    const auto update = [group, userText, count] {
        userText->setEnabled(CheckedValue(*group, 0) == count - 1);
    };
    QObject::connect(group, &QButtonGroup::idToggled, owner, update);
    update();
    return group;
}

}  // namespace

CDescriptorPage::CDescriptorPage(ChannelDescriptors& descriptors, QWidget* parent)
    : EditPage(QuenarText(QUENAR_STR_DESCRIPTORS_PAGE), parent),
      m_descriptors(descriptors),
      m_userName(new QLineEdit(ToQString(descriptors.userName))),
      m_userComment(new QLineEdit(ToQString(descriptors.userComment))) {
    auto* layout = new QVBoxLayout(this);
    m_nameSources =
        SourceGroup(this, layout, QUENAR_STR_CHANNEL_NAME, QUENAR_STR_NAME_SOURCE_0, NAME_SOURCES,
                    static_cast<int>(descriptors.UsedNameSource()), m_userName);
    m_commentSources = SourceGroup(
        this, layout, QUENAR_STR_CHANNEL_COMMENT, QUENAR_STR_COMMENT_SOURCE_0, COMMENT_SOURCES,
        static_cast<int>(descriptors.UsedCommentSource()), m_userComment);
    layout->addStretch();
}

void CDescriptorPage::Apply() {
    m_descriptors.nameSource = CheckedValue(*m_nameSources, m_descriptors.nameSource);
    m_descriptors.commentSource = CheckedValue(*m_commentSources, m_descriptors.commentSource);
    m_descriptors.userName = ToStdString(m_userName->text());
    m_descriptors.userComment = ToStdString(m_userComment->text());
}

void AddMeasurementPages(FilterPageRegistry& registry, MeasurementSheetSetup setup) {
    ChannelListSetup list;
    list.create = setup.createChannel;

    FilterSheetDescription sheet;
    sheet.titleId = setup.titleId;
    sheet.pages = {
        FilterGeneralPageFactory(),
        ChannelDefListPageFactory(std::move(list)),
        SingleFilePageFactory([](CQuenarClass& filter) -> CQuenarFileSingle* {
            auto* stream = dynamic_cast<MeasurementStream*>(&filter);
            return stream ? &stream->outputFile : nullptr;
        }),
        MethodPageFactory(),
    };
    sheet.check = RequireChannelDefinitions(QUENAR_MSG_NO_OUTPUT_CHANNEL);
    registry.SetFilterSheet(setup.streamClass, std::move(sheet));

    ChannelSheetDescription channel;
    channel.pages = {
        ChannelGeneralPageFactory(),
        [](CQuenarChannelDef& d, const PageContext&) -> std::unique_ptr<EditPage> {
            auto* described = dynamic_cast<DescribedChannelDef*>(&d);
            return described ? std::make_unique<CDescriptorPage>(described->descriptors) : nullptr;
        },
    };
    registry.SetChannelSheet(setup.channelClass, std::move(channel));
}

}  // namespace grafyon::exportfilter
