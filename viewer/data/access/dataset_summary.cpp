// Summary storage sized at attach, upper levels combined from level 0.
#include "dataset_summary.h"

#include "viewer/data/dataset.h"

namespace grafyon {

namespace {

template <class K>
SummaryStorage<K> MakeStorage(std::uint64_t frameCount, std::uint64_t cacheBlockFrames) {
    SummaryStorage<K> s;
    // Sized once, exactly, so that the attach never holds a grown (doubled) vector.
    s.levels.emplace_back((frameCount + SUMMARY_FINEST_BLOCK - 1) / SUMMARY_FINEST_BLOCK);
    s.cache.resize(frameCount == 0 ? 0 : (frameCount + cacheBlockFrames - 1) / cacheBlockFrames);
    return s;
}

template <class K>
void BuildLevels(SummaryStorage<K>& s) {
    s.levels.resize(1);
    while (s.levels.back().size() > SUMMARY_LEVEL_FACTOR) {
        const std::vector<KeyPair<K>>& below = s.levels.back();
        std::vector<KeyPair<K>> level((below.size() + SUMMARY_LEVEL_FACTOR - 1) /
                                      SUMMARY_LEVEL_FACTOR);
        for (std::size_t i = 0; i < below.size(); ++i)
            level[i / SUMMARY_LEVEL_FACTOR].Add(below[i]);
        s.levels.push_back(std::move(level));
    }
    s.overall = {};
    for (const KeyPair<K>& block : s.levels.back())
        s.overall.Add(block);
}

}  // namespace

std::uint64_t CacheBlockFrames(std::uint64_t frameCount) {
    if (frameCount <= EXTREMES_CACHE_BLOCKS)
        return 1;
    return (frameCount + EXTREMES_CACHE_BLOCKS - 1) / EXTREMES_CACHE_BLOCKS;
}

DatasetSummary::DatasetSummary(const Dataset& dataset, const KeyCodec& codec,
                               std::uint64_t frameCount)
    : m_dataset(&dataset),
      m_codec(codec),
      m_frameCount(frameCount),
      m_cacheBlockFrames(grafyon::CacheBlockFrames(frameCount)) {
    VisitKeyWidth(codec.width, [&]<class K>(std::type_identity<K>) {
        m_storage = MakeStorage<K>(frameCount, m_cacheBlockFrames);
    });
    m_moments.levels.emplace_back((frameCount + MOMENTS_BLOCK - 1) / MOMENTS_BLOCK);
}

void DatasetSummary::Finish(bool withMoments) {
    std::visit([](auto& s) { BuildLevels(s); }, m_storage);
    auto& levels = m_moments.levels;
    if (!withMoments) {
        levels.clear();
        return;
    }
    levels.resize(1);
    while (levels.back().size() > SUMMARY_LEVEL_FACTOR) {
        const std::vector<Moments>& below = levels.back();
        std::vector<Moments> level((below.size() + SUMMARY_LEVEL_FACTOR - 1) /
                                   SUMMARY_LEVEL_FACTOR);
        for (std::size_t i = 0; i < below.size(); ++i)
            level[i / SUMMARY_LEVEL_FACTOR].Add(below[i]);
        levels.push_back(std::move(level));
    }
}

void DatasetSummary::AddMoments(const std::uint8_t* frames, std::uint64_t first, std::uint64_t n,
                                std::uint64_t frameSize) {
    std::vector<Moments>& blocks = m_moments.levels[0];
    VisitKeyWidth(m_codec.width, [&]<class K>(std::type_identity<K>) {
        while (n > 0) {
            const std::uint64_t block = first / MOMENTS_BLOCK;
            const std::uint64_t take = std::min(n, (block + 1) * MOMENTS_BLOCK - first);
            blocks[block].Add(ScanMoments<K>(m_codec, frames, take, frameSize));
            frames += take * frameSize;
            first += take;
            n -= take;
        }
    });
}

bool DatasetSummary::Overall(double& minimum, double& maximum) const {
    return std::visit(
        [&](const auto& s) {
            m_codec.DecodePair(s.overall, minimum, maximum);
            return !s.overall.Empty();
        },
        m_storage);
}

std::size_t DatasetSummary::CacheBlockCount() const {
    return std::visit([](const auto& s) { return s.cache.size(); }, m_storage);
}

bool DatasetSummary::CacheBlock(std::size_t index, double& minimum, double& maximum) const {
    return std::visit(
        [&](const auto& s) {
            if (index >= s.cache.size()) {
                minimum = maximum = 0.0;
                return false;
            }
            m_codec.DecodePair(s.cache[index], minimum, maximum);
            return !s.cache[index].Empty();
        },
        m_storage);
}

std::size_t DatasetSummary::LevelCount() const {
    return std::visit([](const auto& s) { return s.levels.size(); }, m_storage);
}

std::uint64_t DatasetSummary::LevelBlockFrames(std::size_t level) const {
    std::uint64_t frames = SUMMARY_FINEST_BLOCK;
    for (std::size_t i = 0; i < level; ++i)
        frames *= SUMMARY_LEVEL_FACTOR;
    return frames;
}

std::size_t DatasetSummary::LevelBlockCount(std::size_t level) const {
    return std::visit(
        [&](const auto& s) { return level < s.levels.size() ? s.levels[level].size() : 0; },
        m_storage);
}

std::uint64_t DatasetSummary::Bytes() const {
    return std::visit(
               [](const auto& s) {
                   using Pair = typename std::decay_t<decltype(s.cache)>::value_type;
                   std::uint64_t blocks = s.cache.size();
                   for (const auto& level : s.levels)
                       blocks += level.size();
                   return blocks * sizeof(Pair);
               },
               m_storage) +
           MomentBytes();
}

std::uint64_t DatasetSummary::MomentBytes() const {
    std::uint64_t blocks = 0;
    for (const auto& level : m_moments.levels)
        blocks += level.size();
    return blocks * sizeof(Moments);
}

}  // namespace grafyon
