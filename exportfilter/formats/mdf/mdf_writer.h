// One run of the MDF format: the float frames, then the description file (header, one
// dataset element per channel, the data file element and an old-form time base).
#pragma once

#include "exportfilter/engine/float_frame_writer.h"

namespace grafyon::exportfilter {

class MdfRunWriter : public FloatFrameRunWriter {
public:
    using FloatFrameRunWriter::FloatFrameRunWriter;

protected:
    void WriteDescription(QuenarRun& run, QuenarOutputFile& out, std::uint32_t frames) override;
};

}  // namespace grafyon::exportfilter
