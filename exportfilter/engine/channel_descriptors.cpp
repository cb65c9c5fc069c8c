// Channel names, comments and calibration of the measurement formats.
#include "channel_descriptors.h"

#include <algorithm>

#include "archive.h"

namespace grafyon::exportfilter {

void ChannelDescriptors::Store(ArchiveWriter& ar) const {
    ar.WriteI32(nameSource);
    ar.WriteI32(commentSource);
    ar.WriteString(userName);
    ar.WriteString(userComment);
}

void ChannelDescriptors::Load(ArchiveReader& ar) {
    nameSource = ar.ReadI32();
    commentSource = ar.ReadI32();
    userName = ar.ReadString();
    userComment = ar.ReadString();
}

NameSource ChannelDescriptors::UsedNameSource() const {
    return static_cast<NameSource>(std::clamp(nameSource, 0, 2));
}

CommentSource ChannelDescriptors::UsedCommentSource() const {
    return static_cast<CommentSource>(std::clamp(commentSource, 0, 3));
}

std::string ChannelDescriptors::Name(const CQuenarSelectItem& record) const {
    switch (UsedNameSource()) {
        case NameSource::DatasetName:
            return record.name;
        case NameSource::DatasetLabel:
            return record.label;
        case NameSource::User:
            break;
    }
    return userName;
}

std::string ChannelDescriptors::Comment(const CQuenarSelectItem& record) const {
    switch (UsedCommentSource()) {
        case CommentSource::DatasetName:
            return record.name;
        case CommentSource::DatasetLabel:
            return record.label;
        case CommentSource::DatasetComment:
            return {};
        case CommentSource::User:
            break;
    }
    return userComment;
}

void DescribedChannelDef::Store(ArchiveWriter& ar) const {
    CQuenarChannelDef::Store(ar);
    ar.WriteU32(VERSION);
    descriptors.Store(ar);
}

void DescribedChannelDef::Load(ArchiveReader& ar) {
    CQuenarChannelDef::Load(ar);
    ar.ReadVersion(VERSION);
    descriptors.Load(ar);
}

ChannelCalibration DescribedCalibration(const CQuenarChannelDef& definition,
                                        const CQuenarSelectItem& record) {
    if (definition.adjustment != 0)
        return {definition.unit, definition.factor, definition.offset};
    return {record.unit, 1.0, 0.0};
}

}  // namespace grafyon::exportfilter
