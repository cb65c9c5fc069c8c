// Summary cache files: layout, checks, atomic writing and eviction.
#include "summary_cache.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/byte_order.h"
#include "common/replacing_file.h"
#include "dataset_summary.h"

namespace grafyon {

namespace {

namespace fs = std::filesystem;

// Head: magic (16), version (4), zero (4), payload size (8), checksum (8), key size (8),
// then the encoded key and the payload. All numbers little-endian.
constexpr char MAGIC[16] = "GRAFYON SUMMARY";
constexpr std::size_t HEAD_SIZE = 48;
constexpr std::uint64_t MAX_KEY_BYTES = 1u << 20;
// Summaries are 1.8 % of the data: 4 GiB of them stand for more than 200 GiB of data.
constexpr std::uint64_t MAX_FILE_BYTES = std::uint64_t(4) << 30;

// A checksum over 8-byte words (then the bytes left), fast enough for the tens of megabytes
// of a large recording's summaries: multiply, fold the high half into the low one.
std::uint64_t Checksum(std::uint64_t hash, const std::uint8_t* data, std::size_t size) {
    constexpr std::uint64_t PRIME = 0x9e3779b97f4a7c15ull;
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        hash = (hash ^ LoadU64LE(data + i)) * PRIME;
        hash ^= hash >> 32;
    }
    for (; i < size; ++i) {
        hash = (hash ^ data[i]) * PRIME;
        hash ^= hash >> 32;
    }
    return hash;
}
constexpr std::uint64_t CHECKSUM_START = 0xcbf29ce484222325ull;

std::vector<std::uint8_t> EncodeKey(const SummaryCacheKey& key) {
    ByteWriter out;
    out.U32LE(static_cast<std::uint32_t>(key.files.size()));
    for (const SummaryCacheKey::FileIdentity& f : key.files) {
        out.U64LE(f.device);
        out.U64LE(f.inode);
        out.U64LE(f.size);
        out.I64LE(f.modifiedSeconds);
        out.I64LE(f.modifiedNanoseconds);
    }
    out.U64LE(key.layout.size());
    out.Bytes(key.layout);
    return out.Take();
}

template <class K>
K LoadKey(const std::uint8_t* p) {
    if constexpr (sizeof(K) == 1)
        return *p;
    else if constexpr (sizeof(K) == 2)
        return LoadU16LE(p);
    else if constexpr (sizeof(K) == 4)
        return LoadU32LE(p);
    else
        return LoadU64LE(p);
}

template <class K>
void StoreKey(std::uint8_t* p, K key) {
    if constexpr (sizeof(K) == 1)
        *p = key;
    else if constexpr (sizeof(K) == 2)
        StoreU16LE(p, key);
    else if constexpr (sizeof(K) == 4)
        StoreU32LE(p, key);
    else
        StoreU64LE(p, key);
}

template <class K>
void PutPairs(std::vector<std::uint8_t>& out, const std::vector<KeyPair<K>>& pairs) {
    std::size_t at = out.size();
    out.resize(at + pairs.size() * 2 * sizeof(K));
    for (const KeyPair<K>& pair : pairs) {
        StoreKey<K>(out.data() + at, pair.minimum);
        StoreKey<K>(out.data() + at + sizeof(K), pair.maximum);
        at += 2 * sizeof(K);
    }
}

template <class K>
bool GetPairs(const std::uint8_t*& p, const std::uint8_t* end, std::vector<KeyPair<K>>& pairs) {
    if (static_cast<std::uint64_t>(end - p) / (2 * sizeof(K)) < pairs.size())
        return false;
    for (KeyPair<K>& pair : pairs) {
        pair.minimum = LoadKey<K>(p);
        pair.maximum = LoadKey<K>(p + sizeof(K));
        p += 2 * sizeof(K);
    }
    return true;
}

SummaryCacheKey::FileIdentity IdentityFrom(const struct stat& st) {
    SummaryCacheKey::FileIdentity id;
    id.device = static_cast<std::uint64_t>(st.st_dev);
    id.inode = static_cast<std::uint64_t>(st.st_ino);
    id.size = static_cast<std::uint64_t>(st.st_size);
    id.modifiedSeconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    id.modifiedNanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return id;
}

// Moments: their count (8 bytes), then per block count, mean and m2 (8 bytes each).
constexpr std::size_t MOMENT_BYTES = 24;

void PutMoments(std::vector<std::uint8_t>& out, const std::vector<Moments>& blocks) {
    std::size_t at = out.size();
    out.resize(at + 8 + blocks.size() * MOMENT_BYTES);
    StoreU64LE(out.data() + at, blocks.size());
    at += 8;
    for (const Moments& m : blocks) {
        StoreU64LE(out.data() + at, m.count);
        StoreU64LE(out.data() + at + 8, std::bit_cast<std::uint64_t>(m.mean));
        StoreU64LE(out.data() + at + 16, std::bit_cast<std::uint64_t>(m.m2));
        at += MOMENT_BYTES;
    }
}

void GetMoments(const std::uint8_t*& p, std::vector<Moments>& blocks) {
    p += 8;
    for (Moments& m : blocks) {
        m.count = LoadU64LE(p);
        m.mean = std::bit_cast<double>(LoadU64LE(p + 8));
        m.m2 = std::bit_cast<double>(LoadU64LE(p + 16));
        p += MOMENT_BYTES;
    }
}

}  // namespace

std::optional<SummaryCacheKey::FileIdentity> SummaryCacheKey::IdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return IdentityFrom(st);
}

std::optional<SummaryCacheKey::FileIdentity> SummaryCacheKey::IdentityOfDescriptor(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    return IdentityFrom(st);
}

std::string SummaryCacheKey::FileName() const {
    const std::vector<std::uint8_t> bytes = EncodeKey(*this);
    const std::uint64_t hash = Checksum(CHECKSUM_START, bytes.data(), bytes.size());
    char name[32];
    std::snprintf(name, sizeof name, "%016llx.summary", static_cast<unsigned long long>(hash));
    return name;
}

std::string SummaryCacheFolder() {
    std::string base;
    if (const char* cache = std::getenv("XDG_CACHE_HOME"); cache != nullptr && *cache == '/')
        base = cache;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        base = std::string(home) + "/.cache";
    else
        return {};
    return base + "/Vantorelline/Grafyon/";
}

bool WriteSummaryCache(const std::string& path, const SummaryCacheKey& key,
                       const std::vector<const DatasetSummary*>& summaries,
                       const std::atomic<bool>* cancel) {
    const auto cancelled = [cancel] { return cancel != nullptr && cancel->load(); };
    const std::vector<std::uint8_t> keyBytes = EncodeKey(key);
    ByteWriter counts;
    std::vector<std::uint8_t> body;
    const auto appendCounts = [&] {
        body.insert(body.end(), counts.Bytes().begin(), counts.Bytes().end());
        counts.Clear();
    };
    counts.U32LE(static_cast<std::uint32_t>(summaries.size()));
    appendCounts();
    for (const DatasetSummary* summary : summaries) {
        if (cancelled())
            return false;
        std::visit(
            [&]<class K>(const SummaryStorage<K>& s) {
                const std::vector<KeyPair<K>> none;
                const std::vector<KeyPair<K>>& level0 = s.levels.empty() ? none : s.levels[0];
                counts.U32LE(static_cast<std::uint32_t>(sizeof(K)));
                counts.U64LE(level0.size());
                counts.U64LE(s.cache.size());
                appendCounts();
                PutPairs(body, level0);
                PutPairs(body, s.cache);
            },
            summary->Keys());
        const MomentLevels& moments = summary->RawMoments();
        const std::vector<Moments> none;
        PutMoments(body, moments.levels.empty() ? none : moments.levels[0]);
    }
    std::uint64_t checksum = Checksum(CHECKSUM_START, keyBytes.data(), keyBytes.size());
    checksum = Checksum(checksum, body.data(), body.size());

    ByteWriter head;
    head.Bytes(std::span(reinterpret_cast<const std::uint8_t*>(MAGIC), sizeof MAGIC));
    head.U32LE(SUMMARY_CACHE_VERSION);
    head.U32LE(0);
    head.U64LE(body.size());
    head.U64LE(checksum);
    head.U64LE(keyBytes.size());

    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    ReplacingFile file;
    if (!file.Create(path))
        return false;
    if (!file.Write(head.Bytes()) || !file.Write(keyBytes))
        return false;
    // In pieces, so that a cancel (the measurement closed) need not wait for the whole file.
    constexpr std::size_t PIECE = 8u << 20;
    for (std::size_t at = 0; at < body.size(); at += PIECE) {
        if (cancelled() ||
            !file.Write(std::span(body).subspan(at, std::min(PIECE, body.size() - at))))
            return false;
    }
    return !cancelled() && file.Commit(false);
}

namespace {

// A cache file mapped read-only: it is checked and read where it lies, without a copy.
// Cache files are only ever replaced by a rename, never cut short in place, so the mapping
// keeps its bytes.
class MappedCacheFile {
public:
    explicit MappedCacheFile(const std::string& path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0 &&
            static_cast<std::uint64_t>(st.st_size) <= MAX_FILE_BYTES) {
            void* data = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ,
                                MAP_PRIVATE, fd, 0);
            if (data != MAP_FAILED) {
                m_data = static_cast<const std::uint8_t*>(data);
                m_size = static_cast<std::size_t>(st.st_size);
            }
        }
        ::close(fd);
    }
    ~MappedCacheFile() {
        if (m_data != nullptr)
            ::munmap(const_cast<std::uint8_t*>(m_data), m_size);
    }
    MappedCacheFile(const MappedCacheFile&) = delete;
    MappedCacheFile& operator=(const MappedCacheFile&) = delete;

    const std::uint8_t* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }

private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
};

}  // namespace

bool ReadSummaryCache(const std::string& path, const SummaryCacheKey& key,
                      const std::vector<DatasetSummary*>& summaries, bool withMoments) {
    const MappedCacheFile file(path);
    const std::uint8_t* const bytes = file.Data();
    if (bytes == nullptr || file.Size() < HEAD_SIZE)
        return false;
    if (std::memcmp(bytes, MAGIC, sizeof MAGIC) != 0 ||
        LoadU32LE(bytes + 16) != SUMMARY_CACHE_VERSION)
        return false;
    const std::uint64_t payloadSize = LoadU64LE(bytes + 24);
    const std::uint64_t checksum = LoadU64LE(bytes + 32);
    const std::uint64_t keySize = LoadU64LE(bytes + 40);
    const std::uint64_t rest = file.Size() - HEAD_SIZE;
    if (keySize > MAX_KEY_BYTES || keySize > rest || payloadSize != rest - keySize)
        return false;
    const std::vector<std::uint8_t> keyBytes = EncodeKey(key);
    const std::uint8_t* stored = bytes + HEAD_SIZE;
    if (keySize != keyBytes.size() || !std::equal(keyBytes.begin(), keyBytes.end(), stored))
        return false;
    // Key and payload are summed one after the other, as they were written.
    if (Checksum(Checksum(CHECKSUM_START, stored, keySize), stored + keySize, payloadSize) !=
        checksum)
        return false;

    // Every size is checked before anything is filled, so that a mismatch leaves the
    // summaries as they were made.
    const std::uint8_t* const begin = stored + keySize;
    const std::uint8_t* const end = bytes + file.Size();
    const std::uint8_t* p = begin;
    if (end - p < 4 || LoadU32LE(p) != summaries.size())
        return false;
    p += 4;
    for (DatasetSummary* summary : summaries) {
        const bool ok = std::visit(
            [&]<class K>(SummaryStorage<K>& s) {
                if (end - p < 20 || LoadU32LE(p) != sizeof(K) || s.levels.empty() ||
                    LoadU64LE(p + 4) != s.levels[0].size() || LoadU64LE(p + 12) != s.cache.size())
                    return false;
                const std::uint64_t keys = (s.levels[0].size() + s.cache.size()) * 2 * sizeof(K);
                if (static_cast<std::uint64_t>(end - p - 20) < keys)
                    return false;
                p += 20 + keys;
                return true;
            },
            summary->Keys());
        // The moments' blocks, as many as the summary was made with.
        const MomentLevels& moments = summary->RawMoments();
        const std::uint64_t blocks = moments.levels.empty() ? 0 : moments.levels[0].size();
        if (!ok || end - p < 8 || LoadU64LE(p) != blocks ||
            static_cast<std::uint64_t>(end - p - 8) / MOMENT_BYTES < blocks)
            return false;
        p += 8 + blocks * MOMENT_BYTES;
    }
    if (p != end)
        return false;
    p = begin + 4;
    for (DatasetSummary* summary : summaries) {
        std::visit(
            [&]<class K>(SummaryStorage<K>& s) {
                p += 20;
                GetPairs(p, end, s.levels[0]);
                GetPairs(p, end, s.cache);
            },
            summary->Keys());
        MomentLevels& moments = summary->MutableMoments();
        std::vector<Moments> none;
        GetMoments(p, moments.levels.empty() ? none : moments.levels[0]);
        summary->Finish(withMoments);
    }
    return true;
}

void TouchSummaryCache(const std::string& path) {
    ::utime(path.c_str(), nullptr);
}

std::uint64_t EvictSummaryCache(const std::string& folder, std::uint64_t limitBytes) {
    struct Entry {
        fs::path path;
        fs::file_time_type used;
        std::uint64_t bytes;
    };
    std::vector<Entry> entries;
    std::uint64_t total = 0;
    std::error_code error;
    for (const fs::directory_entry& e : fs::directory_iterator(folder, error)) {
        if (!e.is_regular_file(error) || e.path().extension() != ".summary")
            continue;
        const std::uint64_t bytes = e.file_size(error);
        if (error)
            continue;
        entries.push_back({e.path(), e.last_write_time(error), bytes});
        total += bytes;
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.used < b.used; });
    for (const Entry& e : entries) {
        if (total <= limitBytes)
            break;
        if (fs::remove(e.path, error))
            total -= e.bytes;
    }
    return total;
}

}  // namespace grafyon
