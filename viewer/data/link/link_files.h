// Joining several recordings of one layout into one measurement: a description that refers
// to the original data files (link), or a description with one new data file that holds all
// frames (merge).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link_check.h"
#include "link_target.h"

namespace grafyon {

enum LinkStatus : int {
    LINK_OK = 0,
    LINK_TOO_FEW_FILES = -1,
    LINK_SOURCE_UNREADABLE = -2,  // a listed file cannot be read (sourceStatus says why)
    LINK_NOT_LINKABLE = -3,       // a listed file does not fit the ones before it (reason)
    LINK_CANNOT_CREATE = -10,     // the description or the data file cannot be created
    LINK_WRITE_FAILED = -20,
    LINK_DATA_FILE_UNREADABLE = -50,  // a data file of a listed file cannot be opened
    LINK_DATA_FILE_SHORT = -51,       // it holds fewer bytes than its frames need
    LINK_READ_FAILED = -52,           // reading it failed while copying
    LINK_WRONG_FOLDER = -60,
    LINK_TARGET_IS_SOURCE = -61,
    LINK_BAD_NAME = -62,       // a data file name does not fit its field
    LINK_TOO_LARGE = -63,      // a count or offset exceeds its 32-bit field
    LINK_NO_FRAME_SIZE = -64,  // frames of 0 bytes
    LINK_VARIABLE_STEP = -65,  // a merge of segments with different sample steps
    LINK_CANCELLED = -99,
};

struct LinkRequest {
    std::vector<std::string> sources;  // in the order of the new time line
    std::string target;                // completed to ".mdf" when it lacks it
    LinkMode mode = LinkMode::Link;
};

struct LinkOutcome {
    int status = LINK_OK;
    std::string subject;   // the file a message names ("%1")
    int sourceIndex = -1;  // the listed file concerned, counted from 0
    MeasurementStatus sourceStatus = MeasurementStatus::Ok;  // with LINK_SOURCE_UNREADABLE
    LinkReason reason;                                       // with LINK_NOT_LINKABLE
};

// Work done so far and in all (bytes when merging, files when linking); false cancels.
using LinkProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// Reads every listed file anew, checks that they fit together and that the target may be
// written, lays out the whole description (and, merging, the frame count, totalled in 64
// bits) before a byte is written, and then writes it under temporary names in the target's
// folder, renamed over the target only when complete. A failure or a cancel leaves no file
// behind and changes no existing file. Merging copies the frames of every time segment in
// large pieces through the kernel.
LinkOutcome LinkFiles(const LinkRequest& request, const LinkProgress& progress = {});

// The English message of an outcome, with "%1" standing for outcome.subject; empty for
// LINK_OK and LINK_CANCELLED. LINK_NOT_LINKABLE gives the whole "cannot be linked" text.
const char* LinkStatusText(int status);
std::string LinkOutcomeText(const LinkOutcome& outcome);

}  // namespace grafyon
