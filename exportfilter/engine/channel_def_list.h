// Edits of a stream's channel-definition list as its list page makes them.
#pragma once

#include <cstddef>
#include <string>

#include "channel_def.h"
#include "quenar_message.h"

namespace grafyon::exportfilter {

// Inserts count copies of the definition at position right after it: 0; 1 when count < 1
// or there is no such position.
int InsertChannelDefCopies(ChannelDefList& list, std::size_t position, int count);

// Inserts a copy named "Copy of " + identifier right after index; returns the copy's index.
std::size_t DuplicateChannelDef(ChannelDefList& list, std::size_t index);

// Move one place; the index the definition has afterwards (unchanged at either end).
std::size_t MoveChannelDefUp(ChannelDefList& list, std::size_t index);
std::size_t MoveChannelDefDown(ChannelDefList& list, std::size_t index);

// Asks message 4004 with the identifier and removes the definition on Yes.
bool DeleteChannelDef(ChannelDefList& list, std::size_t index, QuenarMessenger& messenger);

// The "Default" column: the default dataset, or "-----" when there is none.
std::string DefaultDatasetText(const CQuenarChannelDef& definition);

}  // namespace grafyon::exportfilter
