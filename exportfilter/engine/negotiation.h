// Binding the value source of a run (the negotiation between a stream and the host's
// functions) and recording the value format of every exported dataset.
#pragma once

#include <memory>
#include <vector>

#include "common/quenar_select_item.h"
#include "host_table.h"
#include "quenar_adapter.h"
#include "quenar_class.h"
#include "quenar_message.h"

namespace grafyon::exportfilter {

using QuenarAdapterList = std::vector<std::unique_ptr<QuenarAdapter>>;

// Negotiation results besides the data-source check's.
inline constexpr int NEGOTIATION_OK = 0;
inline constexpr int NEGOTIATION_NO_SOURCE = 2;

// A host function whose identifier is a method the stream allows serves the run directly,
// first in registration order; otherwise the first adapter (rows, interpolating, holding
// over function 4; holding over function 1 and over function 7) that the stream allows,
// whose host function is registered and whose check passes. A bound adapter joins the
// list. No source: 2; otherwise the stream's data-source check.
int NegotiateValueSource(CQuenarClass& filter, const QuenarSelectList& records,
                         const QuenarHostTable& hosts, void* hostContext,
                         QuenarAdapterList& adapters, QuenarMessenger& messenger);

// Format assignment results.
inline constexpr int FORMATS_OK = 0;
inline constexpr int FORMATS_NO_NATIVE_FORMAT = 1;   // host function 256 missing
inline constexpr int FORMATS_NO_NATIVE_SCALING = 2;  // host function 258 missing or failing

// One format entry per selected record: 64-bit physical values with identity scaling
// when the values come as host rows (method 4 or an adapter over function 4); otherwise
// the host's native formats.
int AssignValueFormats(CQuenarClass& filter, const QuenarSelectList& records,
                       const QuenarHostTable& hosts, void* hostContext);

}  // namespace grafyon::exportfilter
