// Bounds-checked byte cursor and growing writer.
#include "byte_order.h"

#include <algorithm>

namespace grafyon {

const std::uint8_t* ByteReader::Take(std::size_t count) {
    if (m_failed || count > m_bytes.size() - m_pos) {
        m_failed = true;
        return nullptr;
    }
    const std::uint8_t* p = m_bytes.data() + m_pos;
    m_pos += count;
    return p;
}

bool ByteReader::Seek(std::size_t pos) {
    if (m_failed || pos > m_bytes.size()) {
        m_failed = true;
        return false;
    }
    m_pos = pos;
    return true;
}

bool ByteReader::Skip(std::size_t count) {
    return Take(count) != nullptr || count == 0;
}

std::uint8_t ByteReader::U8() {
    const std::uint8_t* p = Take(1);
    return p ? *p : 0;
}
std::uint16_t ByteReader::U16LE() {
    const std::uint8_t* p = Take(2);
    return p ? LoadU16LE(p) : 0;
}
std::uint16_t ByteReader::U16BE() {
    const std::uint8_t* p = Take(2);
    return p ? LoadU16BE(p) : 0;
}
std::uint32_t ByteReader::U32LE() {
    const std::uint8_t* p = Take(4);
    return p ? LoadU32LE(p) : 0;
}
std::uint32_t ByteReader::U32BE() {
    const std::uint8_t* p = Take(4);
    return p ? LoadU32BE(p) : 0;
}
std::uint64_t ByteReader::U64LE() {
    const std::uint8_t* p = Take(8);
    return p ? LoadU64LE(p) : 0;
}
std::uint64_t ByteReader::U64BE() {
    const std::uint8_t* p = Take(8);
    return p ? LoadU64BE(p) : 0;
}

std::span<const std::uint8_t> ByteReader::Bytes(std::size_t count) {
    const std::uint8_t* p = Take(count);
    if (!p)
        return {};
    return {p, count};
}

std::string ByteReader::FixedText(std::size_t width) {
    const std::uint8_t* p = Take(width);
    if (!p)
        return {};
    const std::uint8_t* end = std::find(p, p + width, std::uint8_t{0});
    return std::string(reinterpret_cast<const char*>(p), reinterpret_cast<const char*>(end));
}

std::string ByteReader::ZeroTerminatedText() {
    if (m_failed)
        return {};
    const std::uint8_t* begin = m_bytes.data() + m_pos;
    const std::uint8_t* last = m_bytes.data() + m_bytes.size();
    const std::uint8_t* end = std::find(begin, last, std::uint8_t{0});
    if (end == last) {
        m_failed = true;
        return {};
    }
    m_pos += static_cast<std::size_t>(end - begin) + 1;
    return std::string(reinterpret_cast<const char*>(begin), reinterpret_cast<const char*>(end));
}

void ByteWriter::Bytes(std::span<const std::uint8_t> bytes) {
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void ByteWriter::Text(std::string_view text) {
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
}

void ByteWriter::FixedText(std::string_view text, std::size_t width, std::uint8_t fill) {
    const std::size_t n = std::min(text.size(), width);
    Text(text.substr(0, n));
    Fill(width - n, fill);
}

void ByteWriter::Fill(std::size_t count, std::uint8_t value) {
    m_bytes.insert(m_bytes.end(), count, value);
}

void ByteWriter::PadTo(std::size_t size, std::uint8_t value) {
    if (m_bytes.size() < size)
        Fill(size - m_bytes.size(), value);
}

bool ByteWriter::PatchU16LE(std::size_t pos, std::uint16_t v) {
    if (pos > m_bytes.size() || m_bytes.size() - pos < 2)
        return false;
    StoreU16LE(m_bytes.data() + pos, v);
    return true;
}
bool ByteWriter::PatchU32LE(std::size_t pos, std::uint32_t v) {
    if (pos > m_bytes.size() || m_bytes.size() - pos < 4)
        return false;
    StoreU32LE(m_bytes.data() + pos, v);
    return true;
}
bool ByteWriter::PatchU64LE(std::size_t pos, std::uint64_t v) {
    if (pos > m_bytes.size() || m_bytes.size() - pos < 8)
        return false;
    StoreU64LE(m_bytes.data() + pos, v);
    return true;
}

}  // namespace grafyon
