// Value access of one or more open measurements: data files, frame readers,
// extremes, and the min/max per pixel column that the diagrams draw from.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "access_status.h"
#include "dataset_summary.h"
#include "frame_reader.h"
#include "mapped_file_registry.h"

namespace grafyon {

class Dataset;
class MeasurementDescription;
class TimeSegmentElement;

// One pixel column of a curve, as DataAccess::ColumnExtremes answers it.
struct CurveColumn {
    std::uint64_t firstFrame = 0;  // the column covers frames [firstFrame, endFrame)
    std::uint64_t endFrame = 0;
    double minimum = 0.0;  // calibrated, minimum <= maximum; 0 when empty
    double maximum = 0.0;
    bool empty = true;  // no frame, or no finite value among its frames
};

// Statistics of one dataset over the frames between two positions, as
// DataAccess::Statistics answers them. Values are calibrated; NaN and infinities are skipped.
struct RangeStatistics {
    std::uint64_t first = 0;  // the frames first ... last, both included
    std::uint64_t last = 0;
    std::uint64_t count = 0;  // finite values among them; 0: every figure below is 0
    double minimum = 0.0;
    double maximum = 0.0;
    std::uint64_t minimumFrame = 0;  // the first frame that holds the minimum
    std::uint64_t maximumFrame = 0;  // the first frame that holds the maximum
    double mean = 0.0;
    double rms = 0.0;
    double standardDeviation = 0.0;  // of the population: sqrt(mean of squared deviations)

    double PeakToPeak() const { return maximum - minimum; }
};

// Where the inner column edges of ColumnExtremes lie.
enum class ColumnEdges {
    Snapped,  // on the nearest multiple of SUMMARY_FINEST_BLOCK frames (for drawing)
    Exact,    // exactly at ColumnStart(); one raw finest block is read per inner edge
};

// Owned by the document, which attaches its description after a successful open and
// detaches it before the description is cleared. All calls come from one thread and
// nothing is locked; only the attach scan and the cache writer use threads of their own
// (ScanOptions), which touch nothing a query reads until CompleteScan.
//
// Typical use:
//   DataAccess access;
//   if (access.Attach(description) != ATTACH_OK) ...           // "File-Mapping Error!"
//   double lo, hi;
//   access.Extremes(dataset, 0, description.FrameCount(), lo, hi);
//   std::vector<std::uint8_t> buffer(32768);
//   int status;
//   FrameReader* reader = access.OpenReader(&description, 0, -1, buffer, &status);
//   std::int64_t n;
//   while ((n = access.ReadChunk(reader)) > 0) { ... n frames at buffer.data() ... }
//   access.CloseReader(reader);
//   if (n < 0) ...                                               // a ReadStatus: report it
class DataAccess {
public:
    // How the attach scan reads. It reads every frame once with pread into a buffer of
    // bufferBytes (rounded down to whole frames, at least one frame) that stays in the
    // processor's second-level cache while it is scanned (256 KiB measured fastest, 64 KiB
    // and 1 MiB slower). A large measurement is split into
    // stretches that share no summary block, scanned by up to `workers` threads at once
    // (0: one per processor, at most 4), each with at least minPiecesPerWorker buffers to
    // read; the threads touch nothing but their own stretch, lock nothing and end before
    // Attach returns. One thread spends about as long on the min/max work as on the
    // copying read itself; two bring the attach close to the speed of a plain read
    // (bench/data_access_bench). wideVectors: 32-byte (AVX2) scan kernels where the
    // processor has them; false keeps to the 16-byte ones (tests compare both).
    struct ScanOptions {
        std::uint64_t bufferBytes = 256u << 10;
        unsigned workers = 0;
        std::uint64_t minPiecesPerWorker = 16;
        bool wideVectors = true;
        // false: Attach builds no extremes cache and no pyramid, as if withCache were false.
        // For a reader that goes through the data once, such as an export from the shell,
        // which then needs neither the extra pass nor the memory (2.5 % of 4-byte data).
        bool summaries = true;
        // A folder (with its trailing slash) for summary cache files: the summaries of a
        // measurement whose data files and layout match a cache file are read from it
        // instead of scanned, and a scan leaves one there (the folder then keeps to
        // cacheLimitBytes, least recently used first). Empty: no cache.
        std::string cacheFolder;
        std::uint64_t cacheLimitBytes = std::uint64_t(2) << 30;
        // false: the pyramid without the moments beside it; Statistics then reads every
        // frame of its range for mean, RMS and standard deviation. For measuring what the
        // moments cost the attach.
        bool moments = true;
        // true: a scan that no cache file spares runs on threads of its own after Attach
        // returns (the datasets' extremesKnown stays false until then); the queries meanwhile
        // read raw frames, and CompleteScan installs the summaries once ScanDone. The cache
        // file is then written on a thread of its own as well.
        bool background = false;
    };
    static constexpr unsigned MAX_SCAN_WORKERS = 4;

    // Documents that share a registry share their open files; without one the access
    // makes its own.
    explicit DataAccess(std::shared_ptr<MappedFileRegistry> registry = nullptr);
    ~DataAccess();  // detaches every description
    DataAccess(const DataAccess&) = delete;
    DataAccess& operator=(const DataAccess&) = delete;

    // --- Attaching -------------------------------------------------------------------

    // Declares that a time segment holds its frames in memory (frame 0 of the segment
    // first, frame count x frame size bytes). The bytes stay the caller's and must live
    // until the description is detached, which also forgets the declaration. Call before
    // Attach.
    void SetSegmentFrames(const TimeSegmentElement& segment, std::span<const std::uint8_t> frames);

    // Opens every data file of the description (the first failure is returned:
    // MAPPED_FILE_CANNOT_OPEN / _CANNOT_MAP), checks that each time segment's frames lie
    // inside its data file (ATTACH_NO_DATA_FILE, ATTACH_DATA_TRUNCATED) and, with the
    // cache, reads all frames once to build every kind-100 dataset's extremes cache and
    // summary pyramid and to set its minimum, maximum and extremesKnown fields
    // (ATTACH_READ_FAILED when a frame cannot be read, ATTACH_OUT_OF_MEMORY). Nothing stays
    // attached on failure.
    // Attaching an attached description attaches it afresh.
    int Attach(MeasurementDescription& description, bool withCache = true);
    void SetScanOptions(const ScanOptions& options) { m_scanOptions = options; }
    const ScanOptions& GetScanOptions() const { return m_scanOptions; }
    // Whether the last Attach took its summaries from a cache file.
    bool LastAttachFromCache() const { return m_lastFromCache; }
    // --- A scan in the background (ScanOptions::background) ------------------------------

    // Whether the description's summaries are still to be installed by CompleteScan.
    bool ScanPending(const MeasurementDescription& description) const;
    // While the dataset's summary is pending (or its scan failed, so that its extremes stay
    // unknown), the most frames a caller on the user's thread should ask a query to read
    // (PENDING_RAW_BYTES of frames); the largest number otherwise.
    std::uint64_t PendingFrameLimit(const Dataset& dataset) const;
    static constexpr std::uint64_t PENDING_RAW_BYTES = 4u << 20;
    // Whether the scan's threads have all ended, so that CompleteScan will not wait.
    bool ScanDone(const MeasurementDescription& description) const;
    // Share of the frames scanned so far, 0 ... 1; 1 when no scan is pending.
    double ScanProgress(const MeasurementDescription& description) const;
    // Waits for the scan's threads, installs the summaries, sets every summarised dataset's
    // minimum, maximum and extremesKnown, and starts writing the cache file. ATTACH_OK (also
    // when nothing was pending), or ATTACH_READ_FAILED / ATTACH_OUT_OF_MEMORY: the description
    // then stays attached without summaries.
    int CompleteScan(MeasurementDescription& description);
    // Waits until no cache file is being written.
    void WaitForCacheWriting();

    // Stops the description's scan and cache writing (at once: they look at a flag after every
    // piece), closes its open readers, releases its data files and forgets its segments'
    // memory (SetSegmentFrames).
    void Detach(const MeasurementDescription& description);
    bool IsAttached(const MeasurementDescription& description) const;

    // --- Reading frames ---------------------------------------------------

    // A reader of frames [first, first + count) into buffer; count < 0 or beyond the end
    // reads to the end. Returns nullptr and a ReaderStatus in *status (-1 ... -8) on
    // failure. The reader belongs to this access until CloseReader.
    FrameReader* OpenReader(const MeasurementDescription* description, std::int64_t first,
                            std::int64_t count, std::span<std::uint8_t> buffer,
                            int* status = nullptr);
    // The same for frames first ... last.
    FrameReader* OpenReaderRange(const MeasurementDescription* description, std::int64_t first,
                                 std::int64_t last, std::span<std::uint8_t> buffer,
                                 int* status = nullptr);
    // Frames placed at the start of the buffer: > 0, 0 at the end, or a negative ReadStatus
    // when a frame cannot be read (see FrameReader::ReadChunk).
    std::int64_t ReadChunk(FrameReader* reader);
    void CloseReader(FrameReader* reader);

    // Where frames [first, first + count) lie (count < 0 or beyond the end: to the end),
    // one stretch per time segment touched, so that frames copied unchanged need not pass
    // through a buffer. READER_OK, READER_NOT_ATTACHED, READER_BAD_FIRST_FRAME or
    // READ_TRUNCATED.
    int FrameStretches(const MeasurementDescription& description, std::uint64_t first,
                       std::int64_t count, std::vector<FrameStretch>& stretches) const;

    // --- Values ----------------------------------------------------------------------
    // Queries take a dataset of an attached description. Kind-101/110 datasets, unreadable
    // types and datasets that do not fit the frame are never read (QUERY_NOT_READABLE).
    // NaN and infinite values are skipped; no finite value at all counts as constant 0.

    // Whether the queries below read the dataset: it belongs to an attached description and
    // is readable in the sense above.
    bool Readable(const Dataset& dataset) const;

    // Calibrated extremes of frames [first, first + count) (count clamped to the data),
    // minimum <= maximum. From the pyramid: at most 2 x 127 raw frames are read.
    // QUERY_OK, QUERY_NOT_ATTACHED, QUERY_NOT_READABLE, QUERY_BAD_RANGE (first beyond the
    // data or count 0), or a ReadStatus; the extremes are 0 on failure.
    int Extremes(const Dataset& dataset, std::uint64_t first, std::uint64_t count, double& minimum,
                 double& maximum);

    // Statistics of frames a ... b, both included, in either order (b < a is taken as b ... a;
    // a == b is one frame). Exact over every frame without reading them all: minimum and
    // maximum come from the pyramid and their positions from descending it; mean, RMS and
    // standard deviation from the moments kept per block beside it. Raw frames are read only
    // at the two ends (fewer than 2 x MOMENTS_BLOCK) and in one finest block per position.
    // Without summaries every frame of the range is read. QUERY_OK, QUERY_NOT_ATTACHED,
    // QUERY_NOT_READABLE, QUERY_BAD_RANGE (a position beyond the data) or a ReadStatus.
    int Statistics(const Dataset& dataset, std::uint64_t a, std::uint64_t b,
                   RangeStatistics& statistics);

    // Calibrated value of the dataset's first value in one frame; nothing when it cannot
    // be read. The value is not filtered (NaN stays NaN).
    std::optional<double> ValueAt(const Dataset& dataset, std::uint64_t frame);

    // Min/max per pixel column for drawing a curve.
    //
    // The window [first, first + count) (count clamped to the data) is divided into
    // W = columns.size() columns; column c covers the frames f with
    // floor((f - first) x W / count) == c, that is [ColumnStart(c), ColumnStart(c + 1)).
    // Each CurveColumn reports the frames it actually covered and their calibrated extremes.
    //
    // - Columns narrower than one finest block (count < W x SUMMARY_FINEST_BLOCK), or no
    //   pyramid (attached without cache): the raw frames of the window are read once and
    //   reduced per column; exact. With count < W some columns hold no frame and are
    //   empty: draw a curve by joining the non-empty columns.
    // - Wider columns come from the pyramid: whole blocks of the coarsest level that fits
    //   into the column, finer levels towards its edges, raw frames only inside a finest
    //   block. With ColumnEdges::Snapped (default) each inner edge moves to the nearest
    //   multiple of SUMMARY_FINEST_BLOCK (less than half a column), so raw frames are read
    //   only at the two ends of the window and the cost does not depend on the zoom
    //   (about W x 30 block reads). ColumnEdges::Exact keeps every edge and reads one finest
    //   block of raw frames per inner edge.
    //
    // Returns QUERY_OK, QUERY_NOT_ATTACHED, QUERY_NOT_READABLE, QUERY_BAD_RANGE or a
    // ReadStatus; with W == 0 nothing is done.
    int ColumnExtremes(const Dataset& dataset, std::uint64_t first, std::uint64_t count,
                       std::span<CurveColumn> columns, ColumnEdges edges = ColumnEdges::Snapped);

    // First frame of column c of ColumnExtremes' nominal division:
    // first + ceil(c x count / columns).
    static std::uint64_t ColumnStart(std::uint64_t first, std::uint64_t count, std::size_t columns,
                                     std::size_t c);

    // Samples for a first overview on that many pixels: every frame when the dataset has a
    // summary (any window draws from it), otherwise as many as fill the pixels with one
    // finest block each.
    std::uint64_t ProposedSampleCount(int pixels, const Dataset& dataset) const;

    // --- Summaries -------------------------------------------------------------------

    // The dataset's extremes cache and pyramid; nullptr when it has none (not attached,
    // attached without cache, or not readable).
    const DatasetSummary* Summary(const Dataset& dataset) const;
    // Bytes of all summaries of all attached descriptions.
    std::uint64_t SummaryBytes() const;

    MappedFileRegistry& Registry() { return *m_registry; }

    struct Attachment;
    struct PendingScan;

private:
    struct OpenReaderEntry {
        std::unique_ptr<FrameReader> reader;
        const Attachment* attachment;
    };

    Attachment* Find(const MeasurementDescription* description) const;
    // Detach without forgetting the segments' memory (Attach starts with it).
    void Release(const MeasurementDescription& description);
    Attachment* AttachmentOf(const Dataset& dataset) const;
    // Starts the attachment's pending scan on threads of its own, or (here) with the caller's
    // thread taking part until every stretch is scanned. False when no thread could start.
    bool StartScan(Attachment& attachment, bool here);
    int CompleteScan(Attachment& attachment, bool cacheInBackground);
    static void Install(Attachment& attachment,
                        std::vector<std::unique_ptr<DatasetSummary>> summaries);

    std::shared_ptr<MappedFileRegistry> m_registry;
    std::vector<std::unique_ptr<Attachment>> m_attachments;
    std::vector<OpenReaderEntry> m_readers;
    std::unordered_map<const TimeSegmentElement*, std::span<const std::uint8_t>> m_memorySegments;
    std::vector<std::uint8_t> m_scratch;  // raw frames of the queries
    ScanOptions m_scanOptions;
    bool m_lastFromCache = false;
};

}  // namespace grafyon
