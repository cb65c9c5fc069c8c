// Fixed fields of binary records: checked reads and writes by field, little- and big-endian,
// for every reader and writer of a record layout.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "common/byte_order.h"

namespace grafyon {

// A fixed field of a record: offset from the start of the record and width in bytes.
struct Field {
    std::size_t offset;
    std::size_t size;
};

// True when the field lies wholly inside a record of `size` bytes.
constexpr bool FieldInside(std::size_t size, Field field) {
    return field.offset <= size && field.size <= size - field.offset;
}

namespace byte_layout {

// A value of n bytes sits at the start of its field; the field must be that wide and lie
// inside the record.
constexpr bool Holds(std::size_t size, Field field, std::size_t n) {
    return field.size >= n && FieldInside(size, field);
}

template <std::size_t N, auto LOAD>
auto Get(std::span<const std::uint8_t> bytes, Field field) {
    using T = decltype(LOAD(bytes.data()));
    return Holds(bytes.size(), field, N) ? LOAD(bytes.data() + field.offset) : T{};
}

template <std::size_t N, auto STORE, class T>
bool Put(std::span<std::uint8_t> bytes, Field field, T value) {
    if (!Holds(bytes.size(), field, N))
        return false;
    STORE(bytes.data() + field.offset, value);
    return true;
}

}  // namespace byte_layout

// Numbers. A field that is narrower than its value or does not lie wholly inside the bytes
// reads as 0 and is not written (Put then returns false), so a short record can never be
// overrun whatever sizes a file claims.
inline std::uint8_t GetU8(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Holds(bytes.size(), field, 1) ? bytes[field.offset] : 0;
}
inline std::uint16_t GetU16LE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<2, LoadU16LE>(bytes, field);
}
inline std::uint16_t GetU16BE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<2, LoadU16BE>(bytes, field);
}
inline std::uint32_t GetU32LE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<4, LoadU32LE>(bytes, field);
}
inline std::uint32_t GetU32BE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<4, LoadU32BE>(bytes, field);
}
inline std::uint64_t GetU64LE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<8, LoadU64LE>(bytes, field);
}
inline std::uint64_t GetU64BE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<8, LoadU64BE>(bytes, field);
}
inline float GetF32LE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<4, LoadF32LE>(bytes, field);
}
inline float GetF32BE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<4, LoadF32BE>(bytes, field);
}
inline double GetF64LE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<8, LoadF64LE>(bytes, field);
}
inline double GetF64BE(std::span<const std::uint8_t> bytes, Field field) {
    return byte_layout::Get<8, LoadF64BE>(bytes, field);
}

inline bool PutU8(std::span<std::uint8_t> bytes, Field field, std::uint8_t value) {
    if (!byte_layout::Holds(bytes.size(), field, 1))
        return false;
    bytes[field.offset] = value;
    return true;
}
inline bool PutU16LE(std::span<std::uint8_t> bytes, Field field, std::uint16_t value) {
    return byte_layout::Put<2, StoreU16LE>(bytes, field, value);
}
inline bool PutU16BE(std::span<std::uint8_t> bytes, Field field, std::uint16_t value) {
    return byte_layout::Put<2, StoreU16BE>(bytes, field, value);
}
inline bool PutU32LE(std::span<std::uint8_t> bytes, Field field, std::uint32_t value) {
    return byte_layout::Put<4, StoreU32LE>(bytes, field, value);
}
inline bool PutU32BE(std::span<std::uint8_t> bytes, Field field, std::uint32_t value) {
    return byte_layout::Put<4, StoreU32BE>(bytes, field, value);
}
inline bool PutU64LE(std::span<std::uint8_t> bytes, Field field, std::uint64_t value) {
    return byte_layout::Put<8, StoreU64LE>(bytes, field, value);
}
inline bool PutU64BE(std::span<std::uint8_t> bytes, Field field, std::uint64_t value) {
    return byte_layout::Put<8, StoreU64BE>(bytes, field, value);
}
inline bool PutF32LE(std::span<std::uint8_t> bytes, Field field, float value) {
    return PutU32LE(bytes, field, std::bit_cast<std::uint32_t>(value));
}
inline bool PutF32BE(std::span<std::uint8_t> bytes, Field field, float value) {
    return PutU32BE(bytes, field, std::bit_cast<std::uint32_t>(value));
}
inline bool PutF64LE(std::span<std::uint8_t> bytes, Field field, double value) {
    return PutU64LE(bytes, field, std::bit_cast<std::uint64_t>(value));
}
inline bool PutF64BE(std::span<std::uint8_t> bytes, Field field, double value) {
    return PutU64BE(bytes, field, std::bit_cast<std::uint64_t>(value));
}

// What follows the text in a fixed Windows-1252 text field.
enum class TextFill {
    Zero,      // zero bytes; a written text leaves room for at least one
    Blank,     // blanks; a text may fill its whole field, and trailing blanks are not part of it
    ZeroFull,  // zero bytes, but a text may fill its whole field (no terminator then)
};

// The UTF-8 text of a field: its bytes up to the first zero or the end of the field, less
// trailing blanks with TextFill::Blank. Empty when the field does not lie inside the bytes.
std::string GetText(std::span<const std::uint8_t> bytes, Field field,
                    TextFill fill = TextFill::Zero);

// Writes a UTF-8 text into the field as Windows-1252, cut at a zero byte and to the field
// (one byte less with TextFill::Zero), then fills the rest. A TextFill::Zero field that
// already holds that text before a zero is left alone, so bytes after the terminator
// survive a read-write round trip. False when nothing was written because the field does
// not lie inside the bytes (or, with TextFill::Zero, has no room for the terminator).
bool PutText(std::span<std::uint8_t> bytes, Field field, std::string_view utf8,
             TextFill fill = TextFill::Zero);

}  // namespace grafyon
