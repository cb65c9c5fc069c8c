// A run of a measurement format (data file of floats plus a description) through the
// library's run path from a fake host: one channel definition per record, bound in order.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "exportfilter/engine/library_state.h"
#include "exportfilter/engine/quenar_interface.h"
#include "fake_host.h"
#include "fakes.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {

template <class Stream, class ChannelDef>
struct MeasurementRun {
    explicit MeasurementRun(void (*registerClasses)(ClassRegistry&)) {
        registerClasses(state.registry);
        state.messenger.SetSink(&sink);
        auto fake = std::make_unique<FakeDialogs>();
        dialogs = fake.get();
        state.InstallDialogs(std::move(fake));
        auto owned = std::make_unique<Stream>();
        stream = owned.get();
        state.AdoptFilter(std::move(owned));
        dataPath = dir / "out.dta";
        descriptionPath = dir / "out.desc";
    }

    // One record and one channel definition for each RecordSpec.
    void SetRecords(const std::vector<RecordSpec>& specs) {
        records = MakeRecords(specs);
        for (auto& record : records) {
            auto definition = std::make_unique<ChannelDef>();
            definition->identifier = record->name;
            record->label = record->name + " label";
            record->unit = "V";
            record->carrierName = "Time";
            record->carrierUnit = "sec";
            record->dataFileName = dataPath;
            record->descriptionFileName = descriptionPath;
            record->channelDef = definition.get();
            stream->channels.push_back(std::move(definition));
        }
    }
    ChannelDef& Channel(std::size_t i) { return static_cast<ChannelDef&>(*stream->channels[i]); }

    // Negotiates with host function 4 and runs.
    int Run(std::vector<std::vector<double>> rows) {
        host.rows = std::move(rows);
        state.hostFunctions.Register(QUENAR_FN_READ_ROW, AsHostFunction(&FakeHost::ReadRow));
        int result = ReqFuncAssignment(state, records, stream, &host);
        if (result == 0)
            result = FormatAssignment(state, records, stream, &host);
        if (result == 0)
            result = Convert(state, records, stream);
        return result;
    }

    std::vector<std::uint8_t> Data() const { return ReadBytes(dataPath); }
    std::vector<std::uint8_t> Description() const { return ReadBytes(descriptionPath); }
    static std::vector<std::uint8_t> ReadBytes(const std::string& path) {
        const std::string text = grafyon::test::ReadTextFile(path);
        return {text.begin(), text.end()};
    }

    grafyon::test::TempDir dir;
    QuenarLibraryState state;
    FakeSink sink;
    FakeDialogs* dialogs = nullptr;
    Stream* stream = nullptr;
    FakeHost host;
    QuenarSelectList records;
    std::string dataPath;
    std::string descriptionPath;
};

}  // namespace grafyon::exportfilter::test
