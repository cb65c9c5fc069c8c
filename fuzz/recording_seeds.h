// The recordings the measurement fuzz targets start from, made by the recording generator:
// several types, segments, data files, ranges, comments and embedded data. The same stems
// are generated beside every fuzz input, so a mutated description still finds its data files.
#pragma once

#include <string>
#include <vector>

#include "viewer/data/tools/recording_generator.h"

namespace grafyon::fuzz {

inline std::vector<GeneratedChannel> MixedChannels() {
    std::vector<GeneratedChannel> channels;
    const std::uint32_t types[] = {DATA_TYPE_CHAR,  DATA_TYPE_USHORT, DATA_TYPE_LONG,
                                   DATA_TYPE_DLONG, DATA_TYPE_FLOAT,  DATA_TYPE_DOUBLE,
                                   DATA_TYPE_BOOL8, DATA_TYPE_BOOL16};
    for (std::size_t i = 0; i < std::size(types); ++i)
        channels.push_back(DefaultChannelOfType(types[i], i));
    return channels;
}

// The recordings, each written into folder: "<stem>.mdf" (or .mcf / .tks) with its data files.
inline std::vector<RecordingOptions> SeedRecordings(const std::string& folder, bool tarko) {
    std::vector<RecordingOptions> all;
    if (tarko) {
        RecordingOptions floats;
        floats.path = folder + "/tks.tks";
        floats.form = RecordingForm::TKS;
        floats.frames = 300;
        floats.channelCount = 3;
        floats.textLines = {"rig 4", "run 17", "", "x"};
        all.push_back(floats);
        RecordingOptions typed = floats;
        typed.path = folder + "/typed.tks";
        typed.tarkoFloatStorage = false;
        typed.channels = {DefaultChannelOfType(DATA_TYPE_SHORT, 0),
                          DefaultChannelOfType(DATA_TYPE_LONG, 1),
                          DefaultChannelOfType(DATA_TYPE_BOOL16, 2)};
        all.push_back(typed);
        return all;
    }
    RecordingOptions mixed;
    mixed.path = folder + "/rec.mdf";
    mixed.frames = 700;
    mixed.channels = MixedChannels();
    mixed.segments = 3;
    mixed.dataFiles = 2;
    mixed.segmentSteps = {0.001, 0.002, 0.001};
    mixed.ranges = 2;
    mixed.spots = 1;
    mixed.comments = 1;
    mixed.parameters = 1;
    all.push_back(mixed);
    RecordingOptions offset;
    offset.path = folder + "/off.mdf";
    offset.frames = 300;
    offset.channelCount = 3;
    offset.dataOffset = 16;
    all.push_back(offset);
    RecordingOptions embedded;
    embedded.path = folder + "/emb.mcf";
    embedded.form = RecordingForm::MCF;
    embedded.frames = 200;
    embedded.channelCount = 2;
    embedded.segments = 2;
    all.push_back(embedded);
    return all;
}

}  // namespace grafyon::fuzz
