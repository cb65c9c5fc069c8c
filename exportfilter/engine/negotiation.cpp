// The negotiation and the value-format entries.
#include "negotiation.h"

#include "export_method.h"
#include "record_queries.h"

namespace grafyon::exportfilter {

namespace {

struct AdapterChoice {
    int hostFunction;
    int methodCode;
    std::unique_ptr<QuenarAdapter> (*create)();
};

const AdapterChoice ADAPTER_CHOICES[] = {
    {QUENAR_FN_READ_ROW, QUENAR_METHOD_ROWS,
     [] { return std::unique_ptr<QuenarAdapter>(std::make_unique<RowsAdapter>()); }},
    {QUENAR_FN_READ_ROW, QUENAR_METHOD_RESAMPLED_INTERPOLATED,
     [] { return std::unique_ptr<QuenarAdapter>(std::make_unique<ResamplingAdapter>(true)); }},
    {QUENAR_FN_READ_ROW, QUENAR_METHOD_RESAMPLED_HELD,
     [] { return std::unique_ptr<QuenarAdapter>(std::make_unique<ResamplingAdapter>(false)); }},
    {QUENAR_FN_FLAGGED_ROWS, QUENAR_METHOD_EVERY_HELD,
     [] { return std::unique_ptr<QuenarAdapter>(std::make_unique<HoldingFlaggedAdapter>()); }},
    {QUENAR_FN_RESAMPLED_ROWS, QUENAR_METHOD_RESAMPLED_HELD,
     [] { return std::unique_ptr<QuenarAdapter>(std::make_unique<HoldingFlaggedAdapter>()); }},
};

bool BindHostFunction(CQuenarClass& filter, const QuenarSelectList& records,
                      const QuenarHostTable& hosts, void* hostContext) {
    for (const QuenarHostTable::Entry& entry : hosts.Entries()) {
        if (!filter.IsMethodAllowed(entry.identifier, records))
            continue;
        filter.methodCode = entry.identifier;
        filter.sourceContext = hostContext;
        if (entry.identifier == QUENAR_FN_READ_ROW)
            filter.blockRowFunction = reinterpret_cast<QuenarReadRowFunction>(entry.function);
        else
            filter.rowFunction = reinterpret_cast<QuenarRowFunction>(entry.function);
        return true;
    }
    return false;
}

bool BindAdapter(CQuenarClass& filter, const QuenarSelectList& records,
                 const QuenarHostTable& hosts, void* hostContext, QuenarAdapterList& adapters) {
    for (const AdapterChoice& choice : ADAPTER_CHOICES) {
        const QuenarHostFunction function = hosts.Find(choice.hostFunction);
        if (function == nullptr || !filter.IsMethodAllowed(choice.methodCode, records))
            continue;
        std::unique_ptr<QuenarAdapter> adapter = choice.create();
        if (!adapter->Check(records))
            continue;
        adapter->SetUp(records, function, hostContext);
        filter.rowFunction = adapter->RowFunction();
        filter.sourceContext = adapter.get();
        filter.methodCode = choice.methodCode;
        filter.hostRows = choice.hostFunction == QUENAR_FN_READ_ROW ? 1 : 0;
        adapters.push_back(std::move(adapter));
        return true;
    }
    return false;
}

}  // namespace

int NegotiateValueSource(CQuenarClass& filter, const QuenarSelectList& records,
                         const QuenarHostTable& hosts, void* hostContext,
                         QuenarAdapterList& adapters, QuenarMessenger& messenger) {
    filter.ClearValueSource();
    filter.hostContext = hostContext;
    if (!BindHostFunction(filter, records, hosts, hostContext) &&
        !BindAdapter(filter, records, hosts, hostContext, adapters))
        return NEGOTIATION_NO_SOURCE;
    return filter.CheckDataSource(records, messenger, hosts);
}

int AssignValueFormats(CQuenarClass& filter, const QuenarSelectList& records,
                       const QuenarHostTable& hosts, void* hostContext) {
    filter.formatEntries.clear();
    const bool hostRows = filter.methodCode == QUENAR_METHOD_BLOCK || filter.hostRows != 0;
    const auto native = hosts.Get<QuenarNativeFormatFunction>(QUENAR_FN_NATIVE_FORMAT);
    const auto scaling = hosts.Get<QuenarNativeScalingFunction>(QUENAR_FN_NATIVE_SCALING);
    if (!hostRows && native == nullptr)
        return FORMATS_NO_NATIVE_FORMAT;
    if (!hostRows && scaling == nullptr)
        return FORMATS_NO_NATIVE_SCALING;
    for (const CQuenarSelectItem* record : SelectedRecords(records)) {
        QuenarFormatEntry entry;
        entry.record = record;
        entry.start = record->start;
        entry.step = record->step;
        if (!hostRows) {
            entry.formatCode = native(hostContext, record);
            if (scaling(hostContext, record, entry.scaling) != 0) {
                filter.formatEntries.clear();
                return FORMATS_NO_NATIVE_SCALING;
            }
        }
        filter.formatEntries.push_back(entry);
    }
    return FORMATS_OK;
}

}  // namespace grafyon::exportfilter
