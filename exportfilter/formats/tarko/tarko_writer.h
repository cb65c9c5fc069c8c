// One run of the Tarko format: the float frames, then the TKS header file (the header and
// one record per channel).
#pragma once

#include "exportfilter/engine/float_frame_writer.h"

namespace grafyon::exportfilter {

class TarkoRunWriter : public FloatFrameRunWriter {
public:
    using FloatFrameRunWriter::FloatFrameRunWriter;

    // Every routine needs one interval and one value count: the records carry one interval
    // for all channels.
    bool NeedsCommonTimeBase(RunRoutine) const override { return true; }

protected:
    void WriteDescription(QuenarRun& run, QuenarOutputFile& out, std::uint32_t frames) override;
};

}  // namespace grafyon::exportfilter
