// One output file of a run: buffered binary and text writing with explicit byte order and a
// sticky error, into a temporary file beside the target that replaces the target only when
// the run commits it. A file that is not committed leaves the target as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "common/byte_order.h"
#include "common/number_format.h"

namespace grafyon::exportfilter {

class QuenarOutputFile {
public:
    static constexpr std::size_t BUFFER_SIZE = std::size_t(1) << 16;

    QuenarOutputFile();
    ~QuenarOutputFile();  // discards an uncommitted file
    QuenarOutputFile(const QuenarOutputFile&) = delete;
    QuenarOutputFile& operator=(const QuenarOutputFile&) = delete;

    // Creates the temporary file beside target (the file a link names is the target). An
    // existing target that is no regular file (a device, a pipe) is written directly. False
    // when nothing could be opened.
    bool Open(const std::string& target);
    const std::string& Target() const { return m_target; }
    // No write, seek, flush or close has failed yet.
    bool Ok() const { return !m_failed; }
    // Bytes written so far, buffered ones included.
    std::uint64_t Position() const {
        return m_written + static_cast<std::uint64_t>(m_pos - m_begin);
    }

    // Binary values.
    void U8(std::uint8_t v) { *Take(1) = v; }
    void U16LE(std::uint16_t v) { StoreU16LE(Take(2), v); }
    void U16BE(std::uint16_t v) { StoreU16BE(Take(2), v); }
    void U32LE(std::uint32_t v) { StoreU32LE(Take(4), v); }
    void U32BE(std::uint32_t v) { StoreU32BE(Take(4), v); }
    void U64LE(std::uint64_t v) { StoreU64LE(Take(8), v); }
    void U64BE(std::uint64_t v) { StoreU64BE(Take(8), v); }
    void I16LE(std::int16_t v) { U16LE(static_cast<std::uint16_t>(v)); }
    void I16BE(std::int16_t v) { U16BE(static_cast<std::uint16_t>(v)); }
    void I32LE(std::int32_t v) { U32LE(static_cast<std::uint32_t>(v)); }
    void I32BE(std::int32_t v) { U32BE(static_cast<std::uint32_t>(v)); }
    void I64LE(std::int64_t v) { U64LE(static_cast<std::uint64_t>(v)); }
    void I64BE(std::int64_t v) { U64BE(static_cast<std::uint64_t>(v)); }
    void F32LE(float v) { U32LE(std::bit_cast<std::uint32_t>(v)); }
    void F32BE(float v) { U32BE(std::bit_cast<std::uint32_t>(v)); }
    void F64LE(double v) { U64LE(std::bit_cast<std::uint64_t>(v)); }
    void F64BE(double v) { U64BE(std::bit_cast<std::uint64_t>(v)); }
    void Bytes(std::span<const std::uint8_t> bytes);
    void Fill(std::size_t count, std::uint8_t value = 0);

    // Text, written as it is (8-bit; the caller has converted it).
    void Text(std::string_view text);
    void Char(char c) { *Take(1) = static_cast<std::uint8_t>(c); }
    void Repeat(char c, std::size_t count) { Fill(count, static_cast<std::uint8_t>(c)); }
    // Every line feed written as CR LF, as a text-mode file has it.
    void TextCrLf(std::string_view text);
    void LineEnd() { Text("\r\n"); }
    // One number through a compiled format, straight into the buffer.
    void Number(const NumberFormat& format, double value) {
        char* out = reinterpret_cast<char*>(Reserve(format.MaxLength()));
        m_pos = reinterpret_cast<std::uint8_t*>(format.Format(value, out));
    }
    void Integer(const NumberFormat& format, long long value) {
        char* out = reinterpret_cast<char*>(Reserve(format.MaxLength()));
        m_pos = reinterpret_cast<std::uint8_t*>(format.FormatInteger(value, out));
    }

    // Room for count bytes (at most BUFFER_SIZE) at the write position; fill them and
    // then call Advance with their end.
    std::uint8_t* Reserve(std::size_t count) {
        if (static_cast<std::size_t>(m_end - m_pos) < count)
            Drain(count);
        return m_pos;
    }
    void Advance(std::uint8_t* end) { m_pos = end; }

    // Overwrites bytes written before (sizes and counts of a header).
    void WriteAt(std::uint64_t offset, std::span<const std::uint8_t> bytes);
    bool Flush();
    // Flushes, syncs and closes the file and renames it over the target. False, with the
    // temporary file removed and the target as it was, when any step fails.
    bool Commit();
    // Closes and removes the temporary file.
    void Discard();

private:
    std::uint8_t* Take(std::size_t count) {
        std::uint8_t* p = Reserve(count);
        m_pos += count;
        return p;
    }
    // Makes room for count bytes: writes the buffer out (dropping it after a failure).
    void Drain(std::size_t count);
    bool WriteOut(const std::uint8_t* data, std::size_t size);
    void CloseDescriptor();

    std::string m_target;  // the name the run was asked to write
    std::string m_final;   // the file the temporary file replaces
    std::string m_temp;    // empty when the target is written directly
    int m_fd = -1;
    bool m_failed = false;
    bool m_committed = false;
    std::uint64_t m_written = 0;
    std::unique_ptr<std::uint8_t[]> m_buffer;
    std::uint8_t* m_begin = nullptr;
    std::uint8_t* m_pos = nullptr;
    std::uint8_t* m_end = nullptr;
};

}  // namespace grafyon::exportfilter
