// The "Descriptors" page of the measurement formats' channel definitions, and the sheets of
// a measurement stream and its definitions.
#pragma once

#include <QLineEdit>

#include <functional>
#include <memory>
#include <string>

#include "page_registry.h"

class QButtonGroup;

namespace grafyon::exportfilter {

class DescribedChannelDef;
struct ChannelDescriptors;

// Where the channel name and the channel comment come from, each with its user text.
class CDescriptorPage : public EditPage {
    Q_OBJECT
public:
    explicit CDescriptorPage(ChannelDescriptors& descriptors, QWidget* parent = nullptr);
    void Apply() override;

    QButtonGroup* NameSources() const { return m_nameSources; }
    QButtonGroup* CommentSources() const { return m_commentSources; }
    QLineEdit* UserName() const { return m_userName; }
    QLineEdit* UserComment() const { return m_userComment; }

private:
    ChannelDescriptors& m_descriptors;
    QButtonGroup* m_nameSources;
    QButtonGroup* m_commentSources;
    QLineEdit* m_userName;
    QLineEdit* m_userComment;
};

// The sheet of a measurement stream class (general page, channel-definition list, output
// files, method; an empty list asks message 4025) and of its channel-definition class
// (general page and "Descriptors").
struct MeasurementSheetSetup {
    int titleId = 0;
    std::string streamClass;
    std::string channelClass;
    std::function<std::unique_ptr<CQuenarChannelDef>()> createChannel;
};
void AddMeasurementPages(FilterPageRegistry& registry, MeasurementSheetSetup setup);

}  // namespace grafyon::exportfilter
