// CQuenarStream: the base of the format classes. It adds a stored version word and runs
// the export through the writer its format creates.
#pragma once

#include <memory>

#include "quenar_class.h"

namespace grafyon::exportfilter {

class QuenarRunWriter;

class CQuenarStream : public CQuenarClass {
public:
    static const QuenarClassInfo CLASS_INFO;
    static constexpr std::uint32_t VERSION = 1;

    const QuenarClassInfo& GetRuntimeClass() const override { return CLASS_INFO; }
    void Store(ArchiveWriter& ar) const override;
    void Load(ArchiveReader& ar) override;

    // The run frame (RunExport) with this stream's writer; 0 without one.
    int Run(QuenarSelectList& records, QuenarRunContext& context) override;

    // A writer for one run with the stream's current settings; null: the stream writes
    // nothing.
    virtual std::unique_ptr<QuenarRunWriter> CreateRunWriter();
};

}  // namespace grafyon::exportfilter
