// A small recording described in memory, shared by the tree and page tests.
#pragma once

#include <memory>
#include <string>

#include "common/printf_format.h"
#include "viewer/data/info/info_texts.h"
#include "viewer/data/test_support/recording_builder.h"

namespace grafyon::test {

// Six-byte frames: a SHORT voltage at 0 and a FLOAT at 2; 1000 frames 1 ms apart in
// small.dta, recorded on 5 March 2024 at 14:07:09.
inline std::unique_ptr<MeasurementDescription> SmallRecording() {
    auto d = NewDescription(6);
    HeaderElement& h = *d->Header();
    h.fileName = "small.mdf";
    h.filePath = "/data/run/small.mdf";
    h.day = 5;
    h.month = 3;
    h.year = 2024;
    h.hour = 14;
    h.minute = 7;
    h.second = 9;
    AddDataFile(*d, 1, "/data/run/small.dta", 0);
    AddSegment(*d, 1, 1000, 0, 0.001);
    Dataset* u = AddDataset(*d, "U<5V", DATA_TYPE_SHORT, 0, 0.5, 1.0, 0xFFFF);
    u->label = "Voltage & \"more\"";
    u->unit = "V";
    AddDataset(*d, "Force", DATA_TYPE_FLOAT, 2);
    return d;
}

// Six significant digits without padding, as the viewer's value display gives them.
inline const InfoNumberFormat SIX_DIGITS = [](double v) { return FormatPrintf("%.6g", v); };

}  // namespace grafyon::test
