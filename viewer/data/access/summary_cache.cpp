// Summary cache files: layout, checks, atomic writing and eviction.
#include "summary_cache.h"

#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/binary_file.h"
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

std::uint64_t Fnv1a(std::uint64_t hash, const std::uint8_t* data, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
        hash ^= data[i];
        hash *= 0x100000001b3ull;
    }
    return hash;
}
constexpr std::uint64_t FNV_START = 0xcbf29ce484222325ull;

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
void PutPairs(ByteWriter& out, const std::vector<KeyPair<K>>& pairs) {
    for (const KeyPair<K>& pair : pairs) {
        for (const K key : {pair.minimum, pair.maximum}) {
            for (std::size_t b = 0; b < sizeof(K); ++b)
                out.U8(static_cast<std::uint8_t>(std::uint64_t(key) >> (8 * b)));
        }
    }
}

template <class K>
bool GetPairs(const std::uint8_t*& p, const std::uint8_t* end, std::vector<KeyPair<K>>& pairs) {
    if (static_cast<std::uint64_t>(end - p) / (2 * sizeof(K)) < pairs.size())
        return false;
    for (KeyPair<K>& pair : pairs) {
        for (K* key : {&pair.minimum, &pair.maximum}) {
            std::uint64_t v = 0;
            for (std::size_t b = 0; b < sizeof(K); ++b)
                v |= std::uint64_t(p[b]) << (8 * b);
            *key = static_cast<K>(v);
            p += sizeof(K);
        }
    }
    return true;
}

}  // namespace

namespace {

SummaryCacheKey::FileIdentity IdentityFrom(const struct stat& st) {
    SummaryCacheKey::FileIdentity id;
    id.device = static_cast<std::uint64_t>(st.st_dev);
    id.inode = static_cast<std::uint64_t>(st.st_ino);
    id.size = static_cast<std::uint64_t>(st.st_size);
    id.modifiedSeconds = static_cast<std::int64_t>(st.st_mtim.tv_sec);
    id.modifiedNanoseconds = static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return id;
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
    const std::uint64_t hash = Fnv1a(FNV_START, bytes.data(), bytes.size());
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
                       const std::vector<const DatasetSummary*>& summaries) {
    const std::vector<std::uint8_t> keyBytes = EncodeKey(key);
    ByteWriter payload;
    payload.U32LE(static_cast<std::uint32_t>(summaries.size()));
    for (const DatasetSummary* summary : summaries) {
        std::visit(
            [&]<class K>(const SummaryStorage<K>& s) {
                const std::vector<KeyPair<K>> none;
                const std::vector<KeyPair<K>>& level0 = s.levels.empty() ? none : s.levels[0];
                payload.U32LE(static_cast<std::uint32_t>(sizeof(K)));
                payload.U64LE(level0.size());
                payload.U64LE(s.cache.size());
                PutPairs(payload, level0);
                PutPairs(payload, s.cache);
            },
            summary->Keys());
    }
    const std::vector<std::uint8_t>& body = payload.Bytes();
    std::uint64_t checksum = Fnv1a(FNV_START, keyBytes.data(), keyBytes.size());
    checksum = Fnv1a(checksum, body.data(), body.size());

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
    if (!file.Write(head.Bytes()) || !file.Write(keyBytes) || !file.Write(body))
        return false;
    return file.Commit(false);
}

bool ReadSummaryCache(const std::string& path, const SummaryCacheKey& key,
                      const std::vector<DatasetSummary*>& summaries) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(path, bytes, MAX_FILE_BYTES) || bytes.size() < HEAD_SIZE)
        return false;
    if (std::memcmp(bytes.data(), MAGIC, sizeof MAGIC) != 0 ||
        LoadU32LE(bytes.data() + 16) != SUMMARY_CACHE_VERSION)
        return false;
    const std::uint64_t payloadSize = LoadU64LE(bytes.data() + 24);
    const std::uint64_t checksum = LoadU64LE(bytes.data() + 32);
    const std::uint64_t keySize = LoadU64LE(bytes.data() + 40);
    const std::uint64_t rest = bytes.size() - HEAD_SIZE;
    if (keySize > MAX_KEY_BYTES || keySize > rest || payloadSize != rest - keySize)
        return false;
    const std::vector<std::uint8_t> keyBytes = EncodeKey(key);
    const std::uint8_t* stored = bytes.data() + HEAD_SIZE;
    if (keySize != keyBytes.size() || !std::equal(keyBytes.begin(), keyBytes.end(), stored))
        return false;
    if (Fnv1a(FNV_START, stored, bytes.size() - HEAD_SIZE) != checksum)
        return false;

    const std::uint8_t* p = stored + keySize;
    const std::uint8_t* end = bytes.data() + bytes.size();
    if (end - p < 4 || LoadU32LE(p) != summaries.size())
        return false;
    p += 4;
    // Read into copies first, so that a mismatch leaves the summaries as they were made.
    std::vector<DatasetSummary::Storage> filled;
    for (DatasetSummary* summary : summaries) {
        DatasetSummary::Storage copy = summary->Keys();
        const bool ok = std::visit(
            [&]<class K>(SummaryStorage<K>& s) {
                if (end - p < 20 || LoadU32LE(p) != sizeof(K) || s.levels.empty() ||
                    LoadU64LE(p + 4) != s.levels[0].size() || LoadU64LE(p + 12) != s.cache.size())
                    return false;
                p += 20;
                return GetPairs(p, end, s.levels[0]) && GetPairs(p, end, s.cache);
            },
            copy);
        if (!ok)
            return false;
        filled.push_back(std::move(copy));
    }
    if (p != end)
        return false;
    for (std::size_t i = 0; i < summaries.size(); ++i) {
        summaries[i]->Keys() = std::move(filled[i]);
        summaries[i]->Finish();
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
