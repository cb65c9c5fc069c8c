// The dataset record that the viewer hands to the export library, and the list that holds it.
#pragma once

#include <list>
#include <memory>
#include <string>

namespace grafyon::exportfilter {
class CQuenarChannelDef;
}

namespace grafyon {

// One candidate dataset of an export (or, with a null handle, one data source). The viewer
// fills the fields up to the first reserved one; the library fills the others.
class CQuenarSelectItem {
public:
    virtual ~CQuenarSelectItem() = default;

    // Filled by the viewer.
    std::string name;        // dataset name; for a data-source record the document's path
    std::string file;        // the measurement file that holds the dataset
    void* handle = nullptr;  // the viewer's dataset, opaque to the library
    std::string label;
    std::string unit;
    double start = 0.0;  // carrier value of the first exported value
    double step = 0.0;   // sample interval; 0 or negative: no constant resolution
    std::string carrierName;
    std::string carrierUnit;
    int valueCount = 0;  // values to export; 0 means unknown
    int reserved = 0;
    int reserved2 = 0;

    // Filled by the library.
    int selected = 0;                 // 1 when the dataset takes part in the export
    std::string dataFileName;         // output data file; empty means no output
    std::string descriptionFileName;  // output description file, for formats that write one
    exportfilter::CQuenarChannelDef* channelDef = nullptr;  // owned by the filter
    int reserved3 = 0;
};

// The viewer owns the list; the library walks it from head to tail and may erase (and so
// delete) records.
using QuenarSelectList = std::list<std::unique_ptr<CQuenarSelectItem>>;

}  // namespace grafyon
