// Edits of a channel-definition list.
#include "channel_def_list.h"

#include <iterator>
#include <utility>

#include "export_strings.h"

namespace grafyon::exportfilter {

int InsertChannelDefCopies(ChannelDefList& list, std::size_t position, int count) {
    if (count < 1 || position >= list.size())
        return 1;
    ChannelDefList copies;
    copies.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        copies.push_back(list[position]->Clone());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position) + 1,
                std::make_move_iterator(copies.begin()), std::make_move_iterator(copies.end()));
    return 0;
}

std::size_t DuplicateChannelDef(ChannelDefList& list, std::size_t index) {
    if (index >= list.size())
        return index;
    std::unique_ptr<CQuenarChannelDef> copy = list[index]->Clone();
    copy->identifier = QuenarString(QUENAR_STR_COPY_OF) + copy->identifier;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(copy));
    return index + 1;
}

std::size_t MoveChannelDefUp(ChannelDefList& list, std::size_t index) {
    if (index == 0 || index >= list.size())
        return index;
    std::swap(list[index - 1], list[index]);
    return index - 1;
}

std::size_t MoveChannelDefDown(ChannelDefList& list, std::size_t index) {
    if (index + 1 >= list.size())
        return index;
    std::swap(list[index], list[index + 1]);
    return index + 1;
}

bool DeleteChannelDef(ChannelDefList& list, std::size_t index, QuenarMessenger& messenger) {
    if (index >= list.size() ||
        !messenger.Ask(QUENAR_MSG_DELETE_CHANNEL_DEF, list[index]->identifier))
        return false;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

std::string DefaultDatasetText(const CQuenarChannelDef& definition) {
    return definition.defaultDataset.empty() ? QuenarString(QUENAR_STR_NO_DEFAULT)
                                             : definition.defaultDataset;
}

}  // namespace grafyon::exportfilter
