// The tests' stream class and sample filters.
#include "test_stream.h"

#include "common/number_format.h"
#include "exportfilter/engine/archive.h"
#include "exportfilter/engine/channel_def_list.h"
#include "exportfilter/engine/export_method.h"
#include "exportfilter/engine/export_run.h"
#include "exportfilter/engine/export_strings.h"
#include "exportfilter/engine/filter_file.h"

namespace grafyon::exportfilter::test {

namespace {

class TestRunWriter : public QuenarRunWriter {
public:
    explicit TestRunWriter(const CQuenarStreamTest& stream)
        : m_stream(stream), m_number(*NumberFormat::Compile("%.17g")) {}

    int Open(QuenarRun& run) override {
        m_out = run.CreateOutput(run.Records().front()->dataFileName);
        if (m_out == nullptr)
            return RUN_OUTPUT_FAILED;
        m_out->Text("x");
        for (const CQuenarSelectItem* record : run.Records()) {
            m_out->Char(';');
            m_out->Text(record->name);
        }
        m_out->LineEnd();
        return 0;
    }

    std::int64_t RowLimit() const override { return m_stream.rowLimit; }

    bool Row(QuenarRun& run, const double* values, const std::int32_t* flags, double x) override {
        m_out->Number(m_number, x);
        for (std::size_t i = 0; i < run.Count(); ++i) {
            m_out->Char(';');
            if (flags[i] != 0)
                m_out->Number(m_number, values[i]);
        }
        m_out->LineEnd();
        return true;
    }

    int Finish(QuenarRun&, bool) override { return m_stream.failInFinish ? 7 : 0; }

private:
    const CQuenarStreamTest& m_stream;
    NumberFormat m_number;
    QuenarOutputFile* m_out = nullptr;
};

}  // namespace

const QuenarClassInfo CQuenarStreamTest::CLASS_INFO = {
    "CQuenarStreamTest",
    2,
    1,
    &CQuenarStream::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarStreamTest>(); },
    TEST_STREAM_TYPE};

const QuenarClassInfo CQuenarChannelDefTree::CLASS_INFO = {
    "CQuenarChannelDefTree", 1, 1, &CQuenarChannelDef::CLASS_INFO,
    []() -> std::unique_ptr<CQuenarObject> { return std::make_unique<CQuenarChannelDefTree>(); }};

CQuenarStreamTest::CQuenarStreamTest() {
    supportedFormats = {QUENAR_FORMAT_PHYSICAL_DOUBLE};
}

bool CQuenarStreamTest::IsMethodAllowed(int methodCode, const QuenarSelectList& records) {
    switch (rule) {
        case Rule::Base:
            return BaseMethodAllowed(*this, methodCode, records);
        case Rule::Text:
            return TextMethodAllowed(*this, methodCode, records);
        case Rule::None:
            break;
    }
    return CQuenarStream::IsMethodAllowed(methodCode, records);
}

std::unique_ptr<QuenarRunWriter> CQuenarStreamTest::CreateRunWriter() {
    return std::make_unique<TestRunWriter>(*this);
}

void CQuenarStreamTest::Store(ArchiveWriter& ar) const {
    CQuenarStream::Store(ar);
    ar.WriteU32(VERSION);
    ar.WriteObjectList(channelDefs);
    singleFile.Store(ar);
    multiFile.Store(ar);
}

void CQuenarStreamTest::Load(ArchiveReader& ar) {
    CQuenarStream::Load(ar);
    ar.ReadVersion(VERSION);
    ar.ReadObjectList(channelDefs, CQuenarChannelDef::CLASS_INFO);
    singleFile.Load(ar);
    if (ar.ObjectSchema() >= 2)
        multiFile.Load(ar);
}

int CQuenarStreamTest::BuildAllocationList(std::vector<QuenarAllocationEntry>& entries) {
    AppendAllocationEntries(channelDefs, entries);
    return 0;
}

int CQuenarStreamTest::InsertChannelDefinitions(std::size_t position, int count) {
    return InsertChannelDefCopies(channelDefs, position, count);
}

int CQuenarStreamTest::AssignOutputFiles(const std::string& sourcePath, QuenarSelectList& records,
                                         OutputNamingContext& context) {
    return singleFile.AssignNames(sourcePath, records, 0, 0, context);
}

int CQuenarStreamTest::CreateDefaultChannelDefinitions(int definitionMode) {
    if (definitionMode != 0 && definitionMode != 1)
        return -10;
    onlySelected = 1;
    auto definition = std::make_unique<CQuenarChannelDef>();
    definition->identifier = QuenarString(QUENAR_STR_DATASET);
    channelDefs.push_back(std::move(definition));
    allocationMode = definitionMode == 0 ? 1 : 0;
    singleFile.fileDialog = definitionMode == 0 ? 1 : 0;
    singleFile.overwrite = definitionMode == 0 ? 1 : 2;
    return 0;
}

void CQuenarChannelDefTree::Store(ArchiveWriter& ar) const {
    CQuenarChannelDef::Store(ar);
    ar.WriteObjectList(children);
}

void CQuenarChannelDefTree::Load(ArchiveReader& ar) {
    CQuenarChannelDef::Load(ar);
    ar.ReadObjectList(children, CQuenarChannelDef::CLASS_INFO);
}

std::unique_ptr<CQuenarChannelDef> CQuenarChannelDefTree::Clone() const {
    auto copy = std::make_unique<CQuenarChannelDefTree>();
    static_cast<CQuenarChannelDef&>(*copy) = *this;
    for (const auto& child : children)
        copy->children.push_back(child->Clone());
    return copy;
}

ClassRegistry TestRegistry() {
    ClassRegistry registry;
    RegisterEngineClasses(registry);
    registry.Add(CQuenarStreamTest::CLASS_INFO);
    registry.Add(CQuenarChannelDefTree::CLASS_INFO);
    return registry;
}

std::unique_ptr<CQuenarStreamTest> SampleFilter() {
    auto filter = std::make_unique<CQuenarStreamTest>();
    filter->typeCode = TEST_STREAM_TYPE;
    filter->onlySelected = 1;
    filter->allocationMode = 3;
    filter->commentaryMode = 2;
    filter->commentaryText = "Prüfstand 4\r\nLauf – 12";
    filter->designation = "Dauerlauf Größe";
    filter->description = "Zeile 1\r\nZeile 2 €";
    filter->method = 1;
    filter->missingEvery = 2;
    filter->missingConstant = 0;
    filter->resolution = 0.25;
    filter->resolutionBy = 1;
    filter->frequency = 512.0;

    auto plain = std::make_unique<CQuenarChannelDef>();
    plain->identifier = "Kanal 1";
    plain->defaultDataset = "Speed";
    plain->adjustment = 1;
    plain->factor = -2.5;
    plain->offset = 0.125;
    plain->unit = "°C";
    auto ownFile = std::make_unique<CQuenarChannelDef1File>();
    ownFile->identifier = "Kanal 2";
    ownFile->defaultDataset = "Torque";
    ownFile->fileName = "out/torque.dac";
    filter->channelDefs.push_back(std::move(plain));
    filter->channelDefs.push_back(std::move(ownFile));

    CQuenarFileSingle& single = filter->singleFile;
    single.pathMode = 1;
    single.userPath = "/data/export";
    single.fileDialog = 2;
    single.overwrite = 0;
    single.dataNameMode = 1;
    single.userDataName = "result.asc";
    single.dataExtension = "ASC";
    single.descriptionNameMode = 1;
    single.userDescriptionName = "result.hdr";
    single.descriptionExtension = "HDR";

    CQuenarFileMulti& multi = filter->multiFile;
    multi.pathMode = 1;
    multi.userPath = "/data/multi/";
    multi.fileDialog = 0;
    multi.overwrite = 2;
    multi.buildMode = 3;
    multi.nameMode = 1;
    multi.userName = "run.dac";
    return filter;
}

std::vector<std::vector<std::uint8_t>> SampleFilterFiles() {
    std::vector<std::vector<std::uint8_t>> files;
    std::unique_ptr<CQuenarStreamTest> sample = SampleFilter();
    files.push_back(EncodeFilter(*sample));

    CQuenarStreamTest defaults;
    defaults.typeCode = TEST_STREAM_TYPE;
    files.push_back(EncodeFilter(defaults));

    // Nested definitions and a designation longer than the header holds.
    auto tree = std::make_unique<CQuenarChannelDefTree>();
    tree->identifier = "tree";
    auto child = std::make_unique<CQuenarChannelDefTree>();
    child->children.push_back(std::make_unique<CQuenarChannelDef1File>());
    tree->children.push_back(std::move(child));
    sample->channelDefs.push_back(std::move(tree));
    sample->designation = std::string(40, 'D');
    files.push_back(EncodeFilter(*sample));
    return files;
}

}  // namespace grafyon::exportfilter::test
