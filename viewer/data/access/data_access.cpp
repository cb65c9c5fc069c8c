// Attaching descriptions, frame readers and the value queries over summaries and raw frames.
#include "data_access.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <new>
#include <numeric>
#include <system_error>
#include <thread>

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include "common/byte_order.h"
#include "summary_cache.h"
#include "summary_scan.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {

namespace {

// How much a scan behind the first picture defers to the user's thread (a nice increment).
constexpr int BACKGROUND_SCAN_NICE = 5;

// Raw frames read per piece by the queries.
constexpr std::uint64_t RAW_BUFFER_BYTES = 1u << 20;

bool MulAdd(std::uint64_t a, std::uint64_t b, std::uint64_t c, std::uint64_t& out) {
    std::uint64_t product = 0;
    return !__builtin_mul_overflow(a, b, &product) && !__builtin_add_overflow(product, c, &out);
}

// Raw frames of one attached measurement for one query. Keeps the last finest block it
// read, so that columns meeting inside a block (exact edges) read it once.
class RawFrames {
public:
    RawFrames(const FrameSource& source, std::vector<std::uint8_t>& scratch)
        : m_source(source),
          m_scratch(scratch),
          m_pieceFrames(std::max<std::uint64_t>(1, RAW_BUFFER_BYTES / source.frameSize)) {}

    // Adds the keys of frames [first, end) to pair.
    template <class K>
    int Keys(const KeyCodec& codec, std::uint64_t first, std::uint64_t end, KeyPair<K>& pair) {
        const std::uint64_t fs = m_source.frameSize;
        const std::uint64_t P = SUMMARY_FINEST_BLOCK;
        const std::uint64_t block = first / P * P;
        if (end <= block + P && P <= m_pieceFrames) {  // whole blocks only while they are small
            Reserve(P);
            if (!m_blockValid || m_block != block) {
                m_blockValid = false;
                const std::uint64_t n = std::min(P, m_source.frameCount - block);
                if (const int status = m_source.ReadFrames(block, n, m_scratch.data()))
                    return status;
                m_block = block;
                m_blockValid = true;
            }
            pair.Add(ScanKeys<K>(codec, m_scratch.data() + (first - block) * fs, end - first, fs));
            return READ_OK;
        }
        return Stream(first, end, [&](const std::uint8_t* frames, std::uint64_t, std::uint64_t n) {
            pair.Add(ScanKeys<K>(codec, frames, n, fs));
        });
    }

    // Calls piece(frames, first frame, count) for the frames [first, end) in pieces.
    template <class Piece>
    int Stream(std::uint64_t first, std::uint64_t end, Piece&& piece) {
        m_blockValid = false;
        Reserve(std::min(m_pieceFrames, end - first));
        while (first < end) {
            const std::uint64_t n = std::min(m_pieceFrames, end - first);
            if (const int status = m_source.ReadFrames(first, n, m_scratch.data()))
                return status;
            piece(m_scratch.data(), first, n);
            first += n;
        }
        return READ_OK;
    }

private:
    // The scratch grows to what a query needs: a short Extremes reads two finest blocks.
    void Reserve(std::uint64_t frames) {
        const std::uint64_t bytes = frames * m_source.frameSize;
        if (m_scratch.size() < bytes)
            m_scratch.resize(bytes);
    }

    const FrameSource& m_source;
    std::vector<std::uint8_t>& m_scratch;
    std::uint64_t m_pieceFrames = 0;
    std::uint64_t m_block = 0;
    bool m_blockValid = false;
};

template <class K>
void StoreColumn(const KeyCodec& codec, const KeyPair<K>& pair, CurveColumn& column) {
    column.empty = pair.Empty();
    codec.DecodePair(pair, column.minimum, column.maximum);
}

}  // namespace

// A scan of an attachment's summaries, on threads of its own or on the caller's. The threads
// write only into these summaries, which no query sees before CompleteScan installs them.
struct DataAccess::PendingScan {
    ScanOptions options;
    std::vector<std::unique_ptr<DatasetSummary>> summaries;
    std::vector<DatasetSummary*> pointers;
    std::vector<std::uint64_t> bounds;  // stretch k is frames [bounds[k], bounds[k + 1])
    std::vector<int> status;            // per stretch
    std::vector<std::thread> threads;
    std::atomic<std::size_t> next{0};  // the next stretch nobody took
    std::atomic<unsigned> running{0};  // threads that have not ended
    std::atomic<bool> cancel{false};
    std::atomic<std::uint64_t> framesDone{0};
    std::uint64_t frames = 0;
    SummaryCacheKey key;
    std::string cachePath;  // empty: no cache file is written

    ~PendingScan() {
        cancel = true;
        for (std::thread& t : threads) {
            if (t.joinable())
                t.join();
        }
    }
};

struct DataAccess::Attachment {
    MeasurementDescription* description = nullptr;
    std::vector<MappedFile*> files;  // one reference each
    FrameSource source;
    std::vector<std::unique_ptr<DatasetSummary>> summaries;
    std::unordered_map<const Dataset*, DatasetSummary*> summaryOf;
    std::unique_ptr<PendingScan> scan;
    bool scanFailed = false;  // the extremes stay unknown
    std::thread cacheWriter;  // reads the summaries while it writes their cache file
    std::atomic<bool> stopCacheWriter{false};

    // Stops the scan and the cache writer at once; they read the source and the summaries,
    // so they go before either does.
    void StopThreads() {
        scan.reset();
        stopCacheWriter = true;
        if (cacheWriter.joinable())
            cacheWriter.join();
    }
    ~Attachment() { StopThreads(); }
};

namespace {

// What a range query over one dataset reads: its codec and the end of the range clamped to
// the frames that exist.
struct RangeQuery {
    KeyCodec codec;
    std::uint64_t frames = 0;
    std::uint64_t end = 0;
};

// QUERY_OK with the query filled in, or the status that answers the query without reading.
int PrepareRangeQuery(const DataAccess::Attachment* a, const Dataset& dataset, std::uint64_t first,
                      std::uint64_t count, RangeQuery& query) {
    if (a == nullptr)
        return QUERY_NOT_ATTACHED;
    query.codec = KeyCodec::For(dataset, a->source.frameSize);
    if (!query.codec.Valid())
        return QUERY_NOT_READABLE;
    query.frames = a->source.frameCount;
    if (first >= query.frames || count == 0)
        return QUERY_BAD_RANGE;
    query.end = first + std::min(count, query.frames - first);
    return QUERY_OK;
}

}  // namespace

DataAccess::DataAccess(std::shared_ptr<MappedFileRegistry> registry)
    : m_registry(registry ? std::move(registry) : std::make_shared<MappedFileRegistry>()) {}

DataAccess::~DataAccess() {
    while (!m_attachments.empty())
        Release(*m_attachments.back()->description);
}

void DataAccess::SetSegmentFrames(const TimeSegmentElement& segment,
                                  std::span<const std::uint8_t> frames) {
    m_memorySegments[&segment] = frames;
}

DataAccess::Attachment* DataAccess::Find(const MeasurementDescription* description) const {
    for (const auto& a : m_attachments) {
        if (a->description == description)
            return a.get();
    }
    return nullptr;
}

DataAccess::Attachment* DataAccess::AttachmentOf(const Dataset& dataset) const {
    return dataset.owner ? Find(dataset.owner) : nullptr;
}

bool DataAccess::IsAttached(const MeasurementDescription& description) const {
    return Find(&description) != nullptr;
}

namespace {

// The key of an attachment's summaries: its open data files as they are now, and what the
// keys were built from (frames, segments, and each summarised dataset's codec). False for
// frames held in memory, which have no file to compare with.
bool CacheKeyOf(const FrameSource& source, const std::vector<MappedFile*>& files,
                const std::vector<std::unique_ptr<DatasetSummary>>& summaries,
                SummaryCacheKey& key) {
    for (const MappedFile* file : files) {
        const auto identity = SummaryCacheKey::IdentityOfDescriptor(file->Descriptor());
        if (!identity)
            return false;
        key.files.push_back(*identity);
    }
    ByteWriter layout;
    layout.U64LE(source.frameSize);
    layout.U64LE(source.frameCount);
    for (const SegmentSource& s : source.segments) {
        if (s.inMemory)
            return false;
        const auto file = std::find(files.begin(), files.end(), s.file);
        layout.U64LE(static_cast<std::uint64_t>(file - files.begin()));
        layout.U64LE(s.filePosition);
        layout.U64LE(s.frameCount);
    }
    for (const auto& summary : summaries) {
        const KeyCodec& c = summary->Codec();
        layout.U32LE(static_cast<std::uint32_t>(c.cls));
        layout.U32LE(c.width);
        layout.U64LE(c.mask);
        layout.U64LE(c.frameOffset);
        layout.U32LE(c.dataType);
    }
    key.layout = layout.Take();
    return true;
}

std::vector<DatasetSummary*> Pointers(const std::vector<std::unique_ptr<DatasetSummary>>& owned) {
    std::vector<DatasetSummary*> pointers;
    for (const auto& s : owned)
        pointers.push_back(s.get());
    return pointers;
}

// A data file changed within the last seconds may change again within the same tick of
// its file system's clock, unseen by the key: no cache is kept for it yet.
bool RecentlyModified(const SummaryCacheKey& key) {
    constexpr std::int64_t RACY_SECONDS = 2;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    for (const SummaryCacheKey::FileIdentity& f : key.files) {
        if (f.modifiedSeconds + RACY_SECONDS >= static_cast<std::int64_t>(now.tv_sec))
            return true;
    }
    return false;
}

}  // namespace

int DataAccess::Attach(MeasurementDescription& description, bool withCache) {
    Release(description);
    if (description.Header() == nullptr)
        return ATTACH_NO_DESCRIPTION;
    auto a = std::make_unique<Attachment>();
    a->description = &description;
    const auto fail = [&](int status) {
        for (MappedFile* f : a->files)
            m_registry->Release(f);
        return status;
    };

    // Every data file element is opened, in list order; the first failure ends the attach.
    std::unordered_map<const DataFileElement*, MappedFile*> fileOf;
    for (const DataFileElement* element : description.DataFiles()) {
        int status = MAPPED_FILE_CANNOT_OPEN;
        MappedFile* file =
            element->fullPath.empty() ? nullptr : m_registry->Acquire(element->fullPath, &status);
        if (file == nullptr)
            return fail(status);
        a->files.push_back(file);
        fileOf[element] = file;
    }

    const std::uint64_t fs = description.FrameSize();
    a->source.description = &description;
    a->source.frameSize = fs;
    std::uint64_t first = 0;
    for (const TimeSegmentElement* segment : description.TimeSegments()) {
        SegmentSource s;
        s.firstFrame = first;
        s.frameCount = segment->frameCount;
        std::uint64_t bytes = 0;
        if (!MulAdd(segment->frameCount, fs, 0, bytes))
            return fail(ATTACH_DATA_TRUNCATED);
        if (const auto it = m_memorySegments.find(segment); it != m_memorySegments.end()) {
            s.inMemory = true;
            s.memory = it->second;
            if (s.memory.size() < bytes)
                return fail(ATTACH_DATA_TRUNCATED);
        } else if (bytes > 0) {
            const DataFileElement* element = description.DataFileByNumber(segment->dataFileNumber);
            if (element == nullptr)
                return fail(ATTACH_NO_DATA_FILE);
            s.file = fileOf[element];
            std::uint64_t end = 0;
            if (!MulAdd(segment->firstFrameInFile, fs, element->dataOffset, s.filePosition) ||
                __builtin_add_overflow(s.filePosition, bytes, &end) || end > s.file->Size()) {
                return fail(ATTACH_DATA_TRUNCATED);
            }
        }
        if (__builtin_add_overflow(first, segment->frameCount, &first))
            return fail(ATTACH_DATA_TRUNCATED);
        a->source.segments.push_back(s);
    }
    a->source.frameCount = first;

    if (withCache && m_scanOptions.summaries && fs > 0 && first > 0) {
        std::vector<std::unique_ptr<DatasetSummary>> made;
        try {
            for (Dataset* dataset : description.Datasets()) {
                const KeyCodec codec = KeyCodec::For(*dataset, fs);
                if (codec.Valid())
                    made.push_back(std::make_unique<DatasetSummary>(*dataset, codec, first));
            }
        } catch (const std::bad_alloc&) {
            return fail(ATTACH_OUT_OF_MEMORY);
        }
        m_lastFromCache = false;
        SummaryCacheKey key;
        std::string cachePath;
        if (!m_scanOptions.cacheFolder.empty() && CacheKeyOf(a->source, a->files, made, key))
            cachePath = m_scanOptions.cacheFolder + key.FileName();
        if (!cachePath.empty() &&
            ReadSummaryCache(cachePath, key, Pointers(made), m_scanOptions.moments)) {
            TouchSummaryCache(cachePath);
            m_lastFromCache = true;
            Install(*a, std::move(made));
        } else {
            auto scan = std::make_unique<PendingScan>();
            scan->options = m_scanOptions;
            scan->summaries = std::move(made);
            scan->key = std::move(key);
            scan->cachePath = std::move(cachePath);
            for (const auto& summary : scan->summaries)
                const_cast<Dataset&>(summary->Owner()).extremesKnown = false;
            a->scan = std::move(scan);
            if (!m_scanOptions.background || !StartScan(*a, false)) {
                StartScan(*a, true);
                if (const int status = CompleteScan(*a, false))
                    return fail(status);
            }
        }
    }
    m_attachments.push_back(std::move(a));
    // The buffer of raw frames is made here, so that the first window read frame by frame
    // does not wait for a megabyte of fresh pages.
    if (m_scratch.size() < RAW_BUFFER_BYTES)
        m_scratch.resize(RAW_BUFFER_BYTES);
    return ATTACH_OK;
}

namespace {

// Reads frames [first, end) of the source in pieces into a buffer that stays in the
// second-level cache and adds them to the summaries. Stops early when *cancel is set.
int ScanStretch(const FrameSource& source, const std::vector<DatasetSummary*>& summaries,
                const DataAccess::ScanOptions& o, std::uint64_t first, std::uint64_t end,
                const std::atomic<bool>& cancel, std::atomic<std::uint64_t>& done) {
    const std::uint64_t fs = source.frameSize;
    const std::uint64_t pieceFrames = std::max<std::uint64_t>(1, o.bufferBytes / fs);
    try {
        SummaryScanner scanner(summaries, fs, source.frameCount, o.moments, o.wideVectors);
        std::vector<std::uint8_t> buffer(static_cast<std::size_t>(pieceFrames * fs) +
                                         SummaryScanner::SLACK);
        for (; first < end; first += pieceFrames) {
            if (cancel.load(std::memory_order_relaxed))
                return READ_OK;  // the result is thrown away
            const std::uint64_t n = std::min(pieceFrames, end - first);
            if (const int status = source.ReadFrames(first, n, buffer.data()))
                return status;
            scanner.Scan(buffer.data(), first, n);
            done.fetch_add(n, std::memory_order_relaxed);
        }
        scanner.Finish();
    } catch (const std::bad_alloc&) {
        return ATTACH_OUT_OF_MEMORY;
    }
    return READ_OK;
}

}  // namespace

bool DataAccess::StartScan(Attachment& a, bool here) {
    PendingScan& scan = *a.scan;
    const ScanOptions& o = scan.options;
    const std::uint64_t fs = a.source.frameSize;
    const std::uint64_t frames = a.source.frameCount;
    const std::uint64_t pieceFrames = std::max<std::uint64_t>(1, o.bufferBytes / fs);
    scan.frames = frames;
    scan.pointers = Pointers(scan.summaries);

    // The frames are split into stretches that share no finest block, no moments block and
    // no cache block, so each thread writes its own summary blocks and nothing is locked.
    const std::uint64_t unit =
        std::lcm(std::lcm(SUMMARY_FINEST_BLOCK, MOMENTS_BLOCK), CacheBlockFrames(frames));
    std::uint64_t workers = o.workers != 0 ? o.workers : std::thread::hardware_concurrency();
    workers = std::clamp<std::uint64_t>(workers, 1, MAX_SCAN_WORKERS);
    workers = std::min(
        workers, frames / (pieceFrames * std::max<std::uint64_t>(1, o.minPiecesPerWorker)) + 1);
    scan.bounds = {0};
    for (std::uint64_t k = 1; k < workers; ++k) {
        const std::uint64_t b = (frames / workers * k + unit / 2) / unit * unit;
        if (b > scan.bounds.back() && b < frames)
            scan.bounds.push_back(b);
    }
    scan.bounds.push_back(frames);
    const std::size_t stretches = scan.bounds.size() - 1;
    scan.status.assign(stretches, READ_OK);

    // Every thread takes the next stretch nobody took, so the stretches of a thread that
    // could not be started are scanned by the others.
    const FrameSource* source = &a.source;
    PendingScan* p = &scan;
    const auto work = [source, p]() noexcept {
        for (std::size_t k; (k = p->next.fetch_add(1)) < p->status.size();) {
            p->status[k] = ScanStretch(*source, p->pointers, p->options, p->bounds[k],
                                       p->bounds[k + 1], p->cancel, p->framesDone);
        }
        p->running.fetch_sub(1, std::memory_order_release);
    };
    const std::size_t helpers = here ? stretches - 1 : stretches;
    for (std::size_t k = 0; k < helpers; ++k) {
        scan.running.fetch_add(1);
        try {
            if (here) {
                scan.threads.emplace_back(work);
            } else {
                // Behind the picture, the scan yields to the user's thread.
                scan.threads.emplace_back([work] {
                    const auto self = static_cast<id_t>(::gettid());
                    errno = 0;
                    const int nice = ::getpriority(PRIO_PROCESS, self);
                    if (errno == 0)
                        ::setpriority(PRIO_PROCESS, self,
                                      std::min(19, nice + BACKGROUND_SCAN_NICE));
                    work();
                });
            }
        } catch (const std::system_error&) {
            scan.running.fetch_sub(1);
            break;
        }
    }
    if (here) {
        scan.running.fetch_add(1);
        work();
        return true;
    }
    return !scan.threads.empty();
}

int DataAccess::CompleteScan(Attachment& a, bool cacheInBackground) {
    if (!a.scan)
        return ATTACH_OK;
    std::unique_ptr<PendingScan> scan = std::move(a.scan);
    for (std::thread& t : scan->threads)
        t.join();
    for (const int s : scan->status) {
        if (s != READ_OK) {
            a.scanFailed = true;
            return s == ATTACH_OUT_OF_MEMORY ? s : ATTACH_READ_FAILED;
        }
    }
    for (const auto& s : scan->summaries)
        s->Finish(scan->options.moments);
    Install(a, std::move(scan->summaries));
    if (scan->cachePath.empty() || RecentlyModified(scan->key))
        return ATTACH_OK;
    // A cache that cannot be written only costs the next open a scan.
    const auto write = [&a, key = std::move(scan->key), path = std::move(scan->cachePath),
                        folder = scan->options.cacheFolder,
                        limit = scan->options.cacheLimitBytes]() noexcept {
        std::vector<const DatasetSummary*> summaries;
        for (const auto& s : a.summaries)
            summaries.push_back(s.get());
        try {
            if (WriteSummaryCache(path, key, summaries, &a.stopCacheWriter))
                EvictSummaryCache(folder, limit);
        } catch (const std::exception&) {
        }
    };
    if (cacheInBackground) {
        try {
            a.cacheWriter = std::thread(write);
            return ATTACH_OK;
        } catch (const std::system_error&) {
        }
    }
    write();
    return ATTACH_OK;
}

void DataAccess::Install(Attachment& a, std::vector<std::unique_ptr<DatasetSummary>> summaries) {
    for (const auto& summary : summaries) {
        auto& dataset = const_cast<Dataset&>(summary->Owner());
        summary->Overall(dataset.minimum, dataset.maximum);
        dataset.extremesKnown = true;
        a.summaryOf[&dataset] = summary.get();
    }
    a.summaries = std::move(summaries);
}

bool DataAccess::ScanPending(const MeasurementDescription& description) const {
    const Attachment* a = Find(&description);
    return a != nullptr && a->scan != nullptr;
}

std::uint64_t DataAccess::PendingFrameLimit(const Dataset& dataset) const {
    const Attachment* a = AttachmentOf(dataset);
    if (a == nullptr || (a->scan == nullptr && !a->scanFailed) ||
        a->summaryOf.find(&dataset) != a->summaryOf.end()) {
        return std::numeric_limits<std::uint64_t>::max();
    }
    const std::uint64_t fs = std::max<std::uint64_t>(1, a->source.frameSize);
    return std::max<std::uint64_t>(SUMMARY_FINEST_BLOCK, PENDING_RAW_BYTES / fs);
}

bool DataAccess::ScanDone(const MeasurementDescription& description) const {
    const Attachment* a = Find(&description);
    return a == nullptr || a->scan == nullptr ||
           a->scan->running.load(std::memory_order_acquire) == 0;
}

double DataAccess::ScanProgress(const MeasurementDescription& description) const {
    const Attachment* a = Find(&description);
    if (a == nullptr || a->scan == nullptr || a->scan->frames == 0)
        return 1.0;
    return static_cast<double>(a->scan->framesDone.load(std::memory_order_relaxed)) /
           static_cast<double>(a->scan->frames);
}

int DataAccess::CompleteScan(MeasurementDescription& description) {
    Attachment* a = Find(&description);
    return a == nullptr ? ATTACH_OK : CompleteScan(*a, true);
}

void DataAccess::WaitForCacheWriting() {
    for (const auto& a : m_attachments) {
        if (a->cacheWriter.joinable())
            a->cacheWriter.join();
    }
}

void DataAccess::Detach(const MeasurementDescription& description) {
    Release(description);
    for (const TimeSegmentElement* segment : description.TimeSegments())
        m_memorySegments.erase(segment);
}

void DataAccess::Release(const MeasurementDescription& description) {
    const auto it = std::find_if(m_attachments.begin(), m_attachments.end(),
                                 [&](const auto& a) { return a->description == &description; });
    if (it == m_attachments.end())
        return;
    Attachment* a = it->get();
    a->StopThreads();
    // Readers go next: they hold views on the files.
    std::erase_if(m_readers, [&](const OpenReaderEntry& e) { return e.attachment == a; });
    for (MappedFile* f : a->files)
        m_registry->Release(f);
    m_attachments.erase(it);
}

FrameReader* DataAccess::OpenReader(const MeasurementDescription* description, std::int64_t first,
                                    std::int64_t count, std::span<std::uint8_t> buffer,
                                    int* status) {
    int result = READER_OK;
    std::unique_ptr<FrameReader> reader;
    const Attachment* a = nullptr;
    if (description == nullptr) {
        result = READER_NO_DESCRIPTION;
    } else if ((a = Find(description)) == nullptr) {
        result = READER_NOT_ATTACHED;
    } else {
        reader = FrameReader::Create(a->source, first, count, buffer, result);
    }
    if (status != nullptr)
        *status = result;
    if (!reader)
        return nullptr;
    m_readers.push_back({std::move(reader), a});
    return m_readers.back().reader.get();
}

FrameReader* DataAccess::OpenReaderRange(const MeasurementDescription* description,
                                         std::int64_t first, std::int64_t last,
                                         std::span<std::uint8_t> buffer, int* status) {
    return OpenReader(description, first, last - first + 1, buffer, status);
}

std::int64_t DataAccess::ReadChunk(FrameReader* reader) {
    return reader ? reader->ReadChunk() : 0;
}

void DataAccess::CloseReader(FrameReader* reader) {
    std::erase_if(m_readers, [&](const OpenReaderEntry& e) { return e.reader.get() == reader; });
}

int DataAccess::FrameStretches(const MeasurementDescription& description, std::uint64_t first,
                               std::int64_t count, std::vector<FrameStretch>& stretches) const {
    const Attachment* a = Find(&description);
    if (a == nullptr)
        return READER_NOT_ATTACHED;
    const std::uint64_t frames = a->source.frameCount;
    if (first >= frames)
        return READER_BAD_FIRST_FRAME;
    const std::uint64_t left = frames - first;
    const std::uint64_t n = count < 0 ? left : std::min(left, static_cast<std::uint64_t>(count));
    return a->source.Stretches(first, n, stretches);
}

const DatasetSummary* DataAccess::Summary(const Dataset& dataset) const {
    const Attachment* a = AttachmentOf(dataset);
    if (a == nullptr)
        return nullptr;
    const auto it = a->summaryOf.find(&dataset);
    return it == a->summaryOf.end() ? nullptr : it->second;
}

std::uint64_t DataAccess::SummaryBytes() const {
    std::uint64_t bytes = 0;
    for (const auto& a : m_attachments) {
        for (const auto& s : a->summaries)
            bytes += s->Bytes();
    }
    return bytes;
}

bool DataAccess::Readable(const Dataset& dataset) const {
    const Attachment* a = AttachmentOf(dataset);
    return a != nullptr && KeyCodec::For(dataset, a->source.frameSize).Valid();
}

int DataAccess::Extremes(const Dataset& dataset, std::uint64_t first, std::uint64_t count,
                         double& minimum, double& maximum) {
    minimum = maximum = 0.0;
    const Attachment* a = AttachmentOf(dataset);
    RangeQuery query;
    if (const int status = PrepareRangeQuery(a, dataset, first, count, query); status != QUERY_OK)
        return status;
    const KeyCodec& codec = query.codec;
    const std::uint64_t frames = query.frames;
    const std::uint64_t end = query.end;
    const DatasetSummary* summary = Summary(dataset);
    RawFrames raw(a->source, m_scratch);

    return VisitKeyWidth(codec.width, [&]<class K>(std::type_identity<K>) {
        const auto rawKeys = [&](std::uint64_t f, std::uint64_t e, KeyPair<K>& p) {
            return raw.Keys<K>(codec, f, e, p);
        };
        KeyPair<K> pair;
        const int status = summary ? RangeKeys(std::get<SummaryStorage<K>>(summary->Keys()), frames,
                                               first, end, rawKeys, pair)
                                   : rawKeys(first, end, pair);
        if (status == READ_OK)
            codec.DecodePair(pair, minimum, maximum);
        return status;
    });
}

int DataAccess::Statistics(const Dataset& dataset, std::uint64_t a, std::uint64_t b,
                           RangeStatistics& statistics) {
    statistics = {};
    if (b < a)
        std::swap(a, b);
    const Attachment* at = AttachmentOf(dataset);
    RangeQuery query;
    const std::uint64_t count = b - a + 1;  // 0 only for the whole 64-bit range
    if (const int status = PrepareRangeQuery(at, dataset, a, count, query); status != QUERY_OK)
        return status;
    if (count == 0 || b >= query.frames)
        return QUERY_BAD_RANGE;
    const KeyCodec& codec = query.codec;
    const std::uint64_t frames = query.frames;
    const std::uint64_t end = b + 1;
    const std::uint64_t fs = at->source.frameSize;
    const DatasetSummary* summary = Summary(dataset);
    RawFrames raw(at->source, m_scratch);
    statistics.first = a;
    statistics.last = b;

    Moments moments;
    const int status = VisitKeyWidth(codec.width, [&]<class K>(std::type_identity<K>) {
        using Bits = KeyBits<K>;
        const auto rawKeys = [&](std::uint64_t f, std::uint64_t e, KeyPair<K>& p) {
            return raw.Keys<K>(codec, f, e, p);
        };
        const auto rawMoments = [&](std::uint64_t f, std::uint64_t e, Moments& m) {
            return raw.Stream(f, e, [&](const std::uint8_t* p, std::uint64_t, std::uint64_t n) {
                m.Add(ScanMoments<K>(codec, p, n, fs));
            });
        };
        KeyPair<K> pair;
        int result = summary ? RangeKeys(std::get<SummaryStorage<K>>(summary->Keys()), frames, a,
                                         end, rawKeys, pair)
                             : rawKeys(a, end, pair);
        if (result == READ_OK) {
            result = summary && summary->HasMoments()
                         ? RangeBlocks(summary->RawMoments().levels, MOMENTS_BLOCK,
                                       SUMMARY_LEVEL_FACTOR, frames, a, end, rawMoments, moments)
                         : rawMoments(a, end, moments);
        }
        if (result != READ_OK || pair.Empty())
            return result;
        // The calibrated minimum is the smallest key unless a negative factor turns it round.
        K minimumKey = pair.minimum, maximumKey = pair.maximum;
        statistics.minimum = codec.Decode(minimumKey);
        statistics.maximum = codec.Decode(maximumKey);
        const bool reversed = statistics.maximum < statistics.minimum;
        if (reversed) {
            std::swap(statistics.minimum, statistics.maximum);
            std::swap(minimumKey, maximumKey);
        }
        // The first frame holding a key; a block holds the range's smallest key exactly when
        // its own smallest key equals it (and likewise for the largest).
        const auto locate = [&](K key, bool smallest, std::uint64_t& frame) {
            const auto scan = [&](std::uint64_t f, std::uint64_t e, std::uint64_t& at,
                                  bool& found) {
                return raw.Stream(
                    f, e, [&](const std::uint8_t* p, std::uint64_t first, std::uint64_t n) {
                        for (std::uint64_t i = 0; i < n && !found; ++i) {
                            const auto k =
                                Bits::ToKey(codec.cls, Bits::Load(p + i * fs + codec.frameOffset),
                                            static_cast<K>(codec.mask));
                            if (k && *k == key) {
                                at = first + i;
                                found = true;
                            }
                        }
                    });
            };
            bool found = false;
            if (!summary)
                return scan(a, end, frame, found);
            const auto holds = [&](const KeyPair<K>& block) {
                return !block.Empty() && (smallest ? block.minimum : block.maximum) == key;
            };
            return LocateInBlocks(std::get<SummaryStorage<K>>(summary->Keys()).levels,
                                  SUMMARY_FINEST_BLOCK, SUMMARY_LEVEL_FACTOR, frames, a, end, holds,
                                  scan, frame, found);
        };
        if ((result = locate(minimumKey, !reversed, statistics.minimumFrame)) != READ_OK)
            return result;
        return locate(maximumKey, reversed, statistics.maximumFrame);
    });
    if (status != READ_OK) {
        statistics = {};
        return status;
    }
    if (moments.count == 0)
        return QUERY_OK;
    // The calibration is linear, so it applies to the mean and scales the deviations.
    const bool calibrated = (codec.dataType & DATA_TYPE_NOT_CALIBRATED) == 0;
    const double factor = calibrated ? codec.factor : 1.0;
    const double offset = calibrated ? codec.offset : 0.0;
    const double variance =
        std::max(0.0, moments.m2 / static_cast<double>(moments.count)) * factor * factor;
    statistics.count = moments.count;
    statistics.mean = moments.mean * factor + offset;
    statistics.standardDeviation = std::sqrt(variance);
    statistics.rms = std::sqrt(statistics.mean * statistics.mean + variance);
    return QUERY_OK;
}

std::optional<double> DataAccess::ValueAt(const Dataset& dataset, std::uint64_t frame) {
    const Attachment* a = AttachmentOf(dataset);
    if (a == nullptr)
        return std::nullopt;
    const std::uint64_t fs = a->source.frameSize;
    if (!KeyCodec::For(dataset, fs).Valid() || frame >= a->source.frameCount)
        return std::nullopt;
    if (m_scratch.size() < fs)
        m_scratch.resize(fs);
    if (a->source.ReadFrames(frame, 1, m_scratch.data()) != READ_OK)
        return std::nullopt;
    return dataset.Decode(m_scratch.data() + dataset.effectiveFrameOffset);
}

std::uint64_t DataAccess::ColumnStart(std::uint64_t first, std::uint64_t count, std::size_t columns,
                                      std::size_t c) {
    if (columns == 0)
        return first;
    const unsigned __int128 scaled = static_cast<unsigned __int128>(c) * count;
    return first + static_cast<std::uint64_t>((scaled + columns - 1) / columns);
}

int DataAccess::ColumnExtremes(const Dataset& dataset, std::uint64_t first, std::uint64_t count,
                               std::span<CurveColumn> columns, ColumnEdges edges) {
    const Attachment* a = AttachmentOf(dataset);
    RangeQuery query;
    if (const int status = PrepareRangeQuery(a, dataset, first, count, query); status != QUERY_OK)
        return status;
    const KeyCodec& codec = query.codec;
    const std::uint64_t frames = query.frames;
    const std::uint64_t end = query.end;
    count = end - first;
    const std::size_t W = columns.size();
    if (W == 0)
        return QUERY_OK;
    const std::uint64_t P = SUMMARY_FINEST_BLOCK;
    const DatasetSummary* summary = Summary(dataset);
    RawFrames raw(a->source, m_scratch);

    for (std::size_t c = 0; c < W; ++c) {
        columns[c] = {};
        columns[c].firstFrame = ColumnStart(first, count, W, c);
        columns[c].endFrame = ColumnStart(first, count, W, c + 1);
    }

    const auto rawColumns = [&]<class K>(std::type_identity<K>) {
        // One pass over the window's frames, each piece split at the column edges.
        std::vector<KeyPair<K>> pairs(W);
        const std::uint64_t fs = a->source.frameSize;
        std::size_t c = 0;
        const int status =
            raw.Stream(first, end, [&](const std::uint8_t* p, std::uint64_t f, std::uint64_t n) {
                const std::uint64_t pieceEnd = f + n;
                while (f < pieceEnd) {
                    while (columns[c].endFrame <= f)
                        ++c;
                    const std::uint64_t stop = std::min(pieceEnd, columns[c].endFrame);
                    pairs[c].Add(ScanKeys<K>(codec, p, stop - f, fs));
                    p += (stop - f) * fs;
                    f = stop;
                }
            });
        if (status != READ_OK)
            return status;
        for (std::size_t i = 0; i < W; ++i)
            StoreColumn(codec, pairs[i], columns[i]);
        return static_cast<int>(QUERY_OK);
    };

    const auto pyramidColumns = [&]<class K>(std::type_identity<K>) {
        const auto& storage = std::get<SummaryStorage<K>>(summary->Keys());
        if (edges == ColumnEdges::Snapped) {
            for (std::size_t c = 1; c < W; ++c) {
                const std::uint64_t e = columns[c].firstFrame;
                const std::uint64_t snapped = std::clamp((e + P / 2) / P * P, first, end);
                columns[c].firstFrame = snapped;
                columns[c - 1].endFrame = snapped;
            }
        }
        const auto rawKeys = [&](std::uint64_t f, std::uint64_t e, KeyPair<K>& p) {
            return raw.Keys<K>(codec, f, e, p);
        };
        for (CurveColumn& column : columns) {
            KeyPair<K> pair;
            if (const int status =
                    RangeKeys(storage, frames, column.firstFrame, column.endFrame, rawKeys, pair)) {
                return status;
            }
            StoreColumn(codec, pair, column);
        }
        return static_cast<int>(QUERY_OK);
    };

    const bool fromPyramid = summary != nullptr && count / W >= P;
    return VisitKeyWidth(
        codec.width, [&](auto key) { return fromPyramid ? pyramidColumns(key) : rawColumns(key); });
}

std::uint64_t DataAccess::ProposedSampleCount(int pixels, const Dataset& dataset) const {
    const Attachment* a = AttachmentOf(dataset);
    if (a == nullptr)
        return 0;
    const std::uint64_t frames = a->source.frameCount;
    if (Summary(dataset) != nullptr)
        return frames;
    return std::min<std::uint64_t>(
        frames, static_cast<std::uint64_t>(std::max(pixels, 1)) * SUMMARY_FINEST_BLOCK);
}

}  // namespace grafyon
