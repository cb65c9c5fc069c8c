// The object archive of the filter files: little-endian numbers, length-prefixed
// Windows-1252 strings, objects behind class records, and object lists. The reader treats
// every byte as hostile: lengths and counts are checked against the bytes left before
// anything is allocated, and the first error sticks.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "common/byte_order.h"
#include "quenar_object.h"

namespace grafyon::exportfilter {

inline constexpr std::uint16_t ARCHIVE_NULL_TAG = 0;
inline constexpr std::uint16_t ARCHIVE_NEW_CLASS_TAG = 0xFFFF;
inline constexpr std::uint16_t ARCHIVE_CLASS_TAG = 0x8000;
inline constexpr std::uint16_t ARCHIVE_BIG_TAG = 0x7FFF;  // a 32-bit index follows
inline constexpr std::uint32_t ARCHIVE_BIG_CLASS_TAG = 0x80000000;
inline constexpr std::uint16_t ARCHIVE_BIG_COUNT = 0xFFFF;  // a 32-bit count follows
inline constexpr std::size_t ARCHIVE_MAX_CLASS_NAME = 64;
inline constexpr int ARCHIVE_MAX_DEPTH = 16;

enum class ArchiveError {
    None,
    Truncated,        // the bytes end inside a field
    LengthTooLarge,   // a string length or list count exceeds the bytes left
    BadStringLength,  // the 16-bit length 0xFFFE
    BadClassName,     // empty or longer than 64 characters
    UnknownClass,
    BadSchema,   // outside the schemas the class reads
    WrongClass,  // not derived from the class the reader expects
    AbstractClass,
    NullObject,
    BackReference,  // a reference to an object already read
    BadIndex,       // a class reference to nothing or to an object
    TooDeep,
    NewerVersion,  // a version word above the newest this program knows
    BadHeader,     // the filter file header (magic)
    FileTooLarge,
    FileUnreadable,
};

const char* ArchiveErrorName(ArchiveError error);

class ArchiveReader {
public:
    ArchiveReader(std::span<const std::uint8_t> bytes, const ClassRegistry& registry);

    bool Ok() const { return m_error == ArchiveError::None; }
    ArchiveError Error() const { return m_error; }
    // Keeps the first error.
    void Fail(ArchiveError error);
    std::size_t Position() const { return m_in.Position(); }
    std::size_t Remaining() const { return Ok() ? m_in.Remaining() : 0; }

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
    double ReadF64();
    std::span<const std::uint8_t> ReadBytes(std::size_t count);

    // A length-prefixed Windows-1252 string, returned as UTF-8.
    std::string ReadString();
    // A string that names a file or folder: "\" becomes "/" unless a drive letter leads.
    std::string ReadPathString();
    // A version word; one above newest is an error.
    std::uint32_t ReadVersion(std::uint32_t newest);
    // An object-list count, checked against the bytes left (each element needs a tag).
    std::uint32_t ReadCount();

    // An object whose class is expected or derived from it; null (and an error) otherwise.
    std::unique_ptr<CQuenarObject> ReadObject(const QuenarClassInfo& expected);
    template <class T>
    std::unique_ptr<T> ReadObjectAs(const QuenarClassInfo& expected) {
        std::unique_ptr<CQuenarObject> object = ReadObject(expected);
        if (!object)
            return nullptr;
        if (auto* typed = dynamic_cast<T*>(object.get())) {
            object.release();
            return std::unique_ptr<T>(typed);
        }
        Fail(ArchiveError::WrongClass);
        return nullptr;
    }
    // Replaces list with the elements read; false on an error.
    template <class T>
    bool ReadObjectList(std::vector<std::unique_ptr<T>>& list, const QuenarClassInfo& element) {
        const std::uint32_t count = ReadCount();
        // No reserve: nested lists could each claim the bytes left.
        std::vector<std::unique_ptr<T>> read;
        for (std::uint32_t i = 0; i < count && Ok(); ++i) {
            if (std::unique_ptr<T> object = ReadObjectAs<T>(element))
                read.push_back(std::move(object));
        }
        if (!Ok())
            return false;
        list = std::move(read);
        return true;
    }

    // The schema of the class record of the object being read.
    std::uint16_t ObjectSchema() const { return m_schema; }

private:
    struct LoadedEntry {
        const QuenarClassInfo* info;  // null for an object
        std::uint16_t schema;
    };

    const QuenarClassInfo* ReadClassTag(std::uint16_t& schema);
    void CheckLength(std::uint64_t needed);

    ByteReader m_in;
    const ClassRegistry& m_registry;
    std::vector<LoadedEntry> m_loaded;  // by index; index 0 stands for the null object
    int m_depth = 0;
    std::uint16_t m_schema = 0;
    ArchiveError m_error = ArchiveError::None;
};

class ArchiveWriter {
public:
    void WriteU8(std::uint8_t v) { m_out.U8(v); }
    void WriteU16(std::uint16_t v) { m_out.U16LE(v); }
    void WriteU32(std::uint32_t v) { m_out.U32LE(v); }
    void WriteI32(std::int32_t v) { m_out.I32LE(v); }
    void WriteF64(double v) { m_out.F64LE(v); }
    void WriteBytes(std::span<const std::uint8_t> bytes) { m_out.Bytes(bytes); }
    // UTF-8 in, Windows-1252 out ("?" for what 1252 cannot hold).
    void WriteString(std::string_view utf8);
    void WriteCount(std::uint32_t count);
    // Writes a class record the first time a class appears, a class reference after that,
    // and an object reference for an object already written.
    void WriteObject(const CQuenarObject& object);
    template <class T>
    void WriteObjectList(const std::vector<std::unique_ptr<T>>& list) {
        WriteCount(static_cast<std::uint32_t>(list.size()));
        for (const std::unique_ptr<T>& object : list)
            WriteObject(*object);
    }

    const std::vector<std::uint8_t>& Bytes() const { return m_out.Bytes(); }
    std::vector<std::uint8_t> Take() { return m_out.Take(); }

private:
    void WriteIndexTag(std::uint32_t index, bool isClass);

    ByteWriter m_out;
    std::unordered_map<const QuenarClassInfo*, std::uint32_t> m_classes;
    std::unordered_map<const CQuenarObject*, std::uint32_t> m_objects;
    std::uint32_t m_nextIndex = 1;
};

// The length prefix of a string of that many bytes.
void WriteStringLength(ByteWriter& out, std::uint32_t length);

}  // namespace grafyon::exportfilter
