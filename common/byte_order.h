// Bounds-checked little- and big-endian readers and writers over byte buffers.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace grafyon {

// Unchecked loads and stores; callers have checked the bounds already.
inline std::uint16_t LoadU16LE(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline std::uint16_t LoadU16BE(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline std::uint32_t LoadU32LE(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline std::uint32_t LoadU32BE(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}
inline std::uint64_t LoadU64LE(const std::uint8_t* p) {
    return std::uint64_t(LoadU32LE(p)) | (std::uint64_t(LoadU32LE(p + 4)) << 32);
}
inline std::uint64_t LoadU64BE(const std::uint8_t* p) {
    return (std::uint64_t(LoadU32BE(p)) << 32) | std::uint64_t(LoadU32BE(p + 4));
}
inline float LoadF32LE(const std::uint8_t* p) {
    return std::bit_cast<float>(LoadU32LE(p));
}
inline float LoadF32BE(const std::uint8_t* p) {
    return std::bit_cast<float>(LoadU32BE(p));
}
inline double LoadF64LE(const std::uint8_t* p) {
    return std::bit_cast<double>(LoadU64LE(p));
}
inline double LoadF64BE(const std::uint8_t* p) {
    return std::bit_cast<double>(LoadU64BE(p));
}

inline void StoreU16LE(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
inline void StoreU16BE(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v >> 8);
    p[1] = std::uint8_t(v);
}
inline void StoreU32LE(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}
inline void StoreU32BE(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = std::uint8_t(v >> (8 * (3 - i)));
}
inline void StoreU64LE(std::uint8_t* p, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        p[i] = std::uint8_t(v >> (8 * i));
}
inline void StoreU64BE(std::uint8_t* p, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        p[i] = std::uint8_t(v >> (8 * (7 - i)));
}

// A cursor over a byte buffer. A read past the end returns zero and sets a sticky
// failure flag, so a parser reads a whole record and checks Ok() once.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool Ok() const { return !m_failed; }
    std::size_t Position() const { return m_pos; }
    std::size_t Size() const { return m_bytes.size(); }
    std::size_t Remaining() const { return m_failed ? 0 : m_bytes.size() - m_pos; }

    // Moves to an absolute position; a position past the end fails.
    bool Seek(std::size_t pos);
    bool Skip(std::size_t count);

    std::uint8_t U8();
    std::uint16_t U16LE();
    std::uint16_t U16BE();
    std::uint32_t U32LE();
    std::uint32_t U32BE();
    std::uint64_t U64LE();
    std::uint64_t U64BE();
    std::int16_t I16LE() { return static_cast<std::int16_t>(U16LE()); }
    std::int32_t I32LE() { return static_cast<std::int32_t>(U32LE()); }
    std::int64_t I64LE() { return static_cast<std::int64_t>(U64LE()); }
    std::int16_t I16BE() { return static_cast<std::int16_t>(U16BE()); }
    std::int32_t I32BE() { return static_cast<std::int32_t>(U32BE()); }
    float F32LE() { return std::bit_cast<float>(U32LE()); }
    float F32BE() { return std::bit_cast<float>(U32BE()); }
    double F64LE() { return std::bit_cast<double>(U64LE()); }
    double F64BE() { return std::bit_cast<double>(U64BE()); }

    // Copies count raw bytes; on failure returns an empty span.
    std::span<const std::uint8_t> Bytes(std::size_t count);
    // A fixed-width text field: the bytes up to the first zero, undecoded (8-bit).
    std::string FixedText(std::size_t width);
    // A zero-terminated text; fails when no zero follows within the buffer.
    std::string ZeroTerminatedText();

private:
    const std::uint8_t* Take(std::size_t count);

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

// Appends to a growing byte buffer; Patch* rewrite bytes already written.
class ByteWriter {
public:
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::vector<std::uint8_t> Take() { return std::move(m_bytes); }
    std::size_t Size() const { return m_bytes.size(); }
    void Clear() { m_bytes.clear(); }

    void U8(std::uint8_t v) { m_bytes.push_back(v); }
    void U16LE(std::uint16_t v) { StoreU16LE(Grow(2), v); }
    void U16BE(std::uint16_t v) { StoreU16BE(Grow(2), v); }
    void U32LE(std::uint32_t v) { StoreU32LE(Grow(4), v); }
    void U32BE(std::uint32_t v) { StoreU32BE(Grow(4), v); }
    void U64LE(std::uint64_t v) { StoreU64LE(Grow(8), v); }
    void U64BE(std::uint64_t v) { StoreU64BE(Grow(8), v); }
    void I16LE(std::int16_t v) { U16LE(static_cast<std::uint16_t>(v)); }
    void I32LE(std::int32_t v) { U32LE(static_cast<std::uint32_t>(v)); }
    void I64LE(std::int64_t v) { U64LE(static_cast<std::uint64_t>(v)); }
    void I16BE(std::int16_t v) { U16BE(static_cast<std::uint16_t>(v)); }
    void I32BE(std::int32_t v) { U32BE(static_cast<std::uint32_t>(v)); }
    void F32LE(float v) { U32LE(std::bit_cast<std::uint32_t>(v)); }
    void F32BE(float v) { U32BE(std::bit_cast<std::uint32_t>(v)); }
    void F64LE(double v) { U64LE(std::bit_cast<std::uint64_t>(v)); }
    void F64BE(double v) { U64BE(std::bit_cast<std::uint64_t>(v)); }

    void Bytes(std::span<const std::uint8_t> bytes);
    void Text(std::string_view text);
    // Writes text into a field of exactly width bytes: cut when longer, padded with fill.
    void FixedText(std::string_view text, std::size_t width, std::uint8_t fill = 0);
    void Fill(std::size_t count, std::uint8_t value = 0);
    void PadTo(std::size_t size, std::uint8_t value = 0);

    // Overwrite earlier bytes; false when the range was not written yet.
    bool PatchU16LE(std::size_t pos, std::uint16_t v);
    bool PatchU32LE(std::size_t pos, std::uint32_t v);
    bool PatchU64LE(std::size_t pos, std::uint64_t v);

private:
    std::uint8_t* Grow(std::size_t count) {
        const std::size_t old = m_bytes.size();
        m_bytes.resize(old + count);
        return m_bytes.data() + old;
    }

    std::vector<std::uint8_t> m_bytes;
};

}  // namespace grafyon
