// What the measurement formats write about each channel: a name and a comment chosen from
// the dataset or typed by the user, and the unit, factor and offset that a reader applies.
#pragma once

#include <cstdint>
#include <string>

#include "channel_def.h"
#include "common/quenar_select_item.h"

namespace grafyon::exportfilter {

class ArchiveReader;
class ArchiveWriter;

enum class NameSource { DatasetName = 0, DatasetLabel = 1, User = 2 };
enum class CommentSource { DatasetName = 0, DatasetLabel = 1, DatasetComment = 2, User = 3 };

// The descriptor fields of a channel definition, stored in this order after its base.
struct ChannelDescriptors {
    std::int32_t nameSource = 0;     // NameSource
    std::int32_t commentSource = 1;  // CommentSource
    std::string userName;
    std::string userComment;

    void Store(ArchiveWriter& ar) const;
    void Load(ArchiveReader& ar);
    bool operator==(const ChannelDescriptors&) const = default;

    // A stored source out of range is clamped.
    NameSource UsedNameSource() const;
    CommentSource UsedCommentSource() const;
    // The texts for the record (UTF-8). The record carries no comment of its own, so the
    // dataset comment is empty.
    std::string Name(const CQuenarSelectItem& record) const;
    std::string Comment(const CQuenarSelectItem& record) const;
};

// A channel definition with descriptors, stored after the base part as a version word and
// the descriptor fields. Each format derives its own named class.
class DescribedChannelDef : public CQuenarChannelDef {
public:
    static constexpr std::uint32_t VERSION = 1;

    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;

    ChannelDescriptors descriptors;
};

// Unit, factor and offset that go into the description: the definition's own with its
// adjustment on, else the dataset's unit and the identity. The data keep the unadjusted
// values; a reader applies factor and offset.
struct ChannelCalibration {
    std::string unit;
    double factor = 1.0;
    double offset = 0.0;
};
ChannelCalibration DescribedCalibration(const CQuenarChannelDef& definition,
                                        const CQuenarSelectItem& record);

}  // namespace grafyon::exportfilter
