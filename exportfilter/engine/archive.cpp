// The object archive of the filter files.
#include "archive.h"

#include "common/codec_1252.h"
#include "path_text.h"

namespace grafyon::exportfilter {

const char* ArchiveErrorName(ArchiveError error) {
    switch (error) {
        case ArchiveError::None:
            return "none";
        case ArchiveError::Truncated:
            return "truncated";
        case ArchiveError::LengthTooLarge:
            return "length too large";
        case ArchiveError::BadStringLength:
            return "bad string length";
        case ArchiveError::BadClassName:
            return "bad class name";
        case ArchiveError::UnknownClass:
            return "unknown class";
        case ArchiveError::BadSchema:
            return "bad schema";
        case ArchiveError::WrongClass:
            return "wrong class";
        case ArchiveError::AbstractClass:
            return "abstract class";
        case ArchiveError::NullObject:
            return "null object";
        case ArchiveError::BackReference:
            return "back-reference";
        case ArchiveError::BadIndex:
            return "bad index";
        case ArchiveError::TooDeep:
            return "too deep";
        case ArchiveError::NewerVersion:
            return "newer version";
        case ArchiveError::BadHeader:
            return "bad header";
        case ArchiveError::FileTooLarge:
            return "file too large";
        case ArchiveError::FileUnreadable:
            return "file unreadable";
    }
    return "?";
}

// ---- reading

ArchiveReader::ArchiveReader(std::span<const std::uint8_t> bytes, const ClassRegistry& registry)
    : m_in(bytes), m_registry(registry) {
    m_loaded.push_back({nullptr, 0});
}

void ArchiveReader::Fail(ArchiveError error) {
    if (m_error == ArchiveError::None)
        m_error = error;
}

void ArchiveReader::CheckLength(std::uint64_t needed) {
    if (Ok() && needed > m_in.Remaining())
        Fail(ArchiveError::LengthTooLarge);
}

std::uint8_t ArchiveReader::ReadU8() {
    if (!Ok())
        return 0;
    const std::uint8_t v = m_in.U8();
    if (!m_in.Ok())
        Fail(ArchiveError::Truncated);
    return v;
}

std::uint16_t ArchiveReader::ReadU16() {
    if (!Ok())
        return 0;
    const std::uint16_t v = m_in.U16LE();
    if (!m_in.Ok())
        Fail(ArchiveError::Truncated);
    return v;
}

std::uint32_t ArchiveReader::ReadU32() {
    if (!Ok())
        return 0;
    const std::uint32_t v = m_in.U32LE();
    if (!m_in.Ok())
        Fail(ArchiveError::Truncated);
    return v;
}

double ArchiveReader::ReadF64() {
    if (!Ok())
        return 0.0;
    const double v = m_in.F64LE();
    if (!m_in.Ok())
        Fail(ArchiveError::Truncated);
    return v;
}

std::span<const std::uint8_t> ArchiveReader::ReadBytes(std::size_t count) {
    if (!Ok())
        return {};
    std::span<const std::uint8_t> bytes = m_in.Bytes(count);
    if (!m_in.Ok())
        Fail(ArchiveError::Truncated);
    return bytes;
}

std::string ArchiveReader::ReadString() {
    std::uint32_t length = ReadU8();
    if (length == 0xFF) {
        length = ReadU16();
        if (length == 0xFFFE) {
            // The marker of a wide-character string, which these files never hold.
            Fail(ArchiveError::BadStringLength);
        } else if (length == 0xFFFF) {
            length = ReadU32();
        }
    }
    CheckLength(length);
    if (!Ok())
        return {};
    std::span<const std::uint8_t> bytes = ReadBytes(length);
    return Cp1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string ArchiveReader::ReadPathString() {
    return PathFromFile(ReadString());
}

std::uint32_t ArchiveReader::ReadVersion(std::uint32_t newest) {
    const std::uint32_t version = ReadU32();
    if (Ok() && version > newest)
        Fail(ArchiveError::NewerVersion);
    return version;
}

std::uint32_t ArchiveReader::ReadCount() {
    std::uint32_t count = ReadU16();
    if (count == ARCHIVE_BIG_COUNT)
        count = ReadU32();
    CheckLength(std::uint64_t{count} * 2);
    return Ok() ? count : 0;
}

const QuenarClassInfo* ArchiveReader::ReadClassTag(std::uint16_t& schema) {
    const std::uint16_t tag = ReadU16();
    if (!Ok())
        return nullptr;
    if (tag == ARCHIVE_NULL_TAG) {
        Fail(ArchiveError::NullObject);
        return nullptr;
    }
    if (tag == ARCHIVE_NEW_CLASS_TAG) {
        schema = ReadU16();
        const std::uint16_t nameLength = ReadU16();
        if (Ok() && (nameLength == 0 || nameLength > ARCHIVE_MAX_CLASS_NAME))
            Fail(ArchiveError::BadClassName);
        std::span<const std::uint8_t> name = ReadBytes(nameLength);
        if (!Ok())
            return nullptr;
        const QuenarClassInfo* info = m_registry.Find(
            std::string_view(reinterpret_cast<const char*>(name.data()), name.size()));
        if (info == nullptr) {
            Fail(ArchiveError::UnknownClass);
            return nullptr;
        }
        if (schema < info->oldestSchema || schema > info->schema) {
            Fail(ArchiveError::BadSchema);
            return nullptr;
        }
        m_loaded.push_back({info, schema});
        return info;
    }
    std::uint32_t index = tag;
    bool isClass = (tag & ARCHIVE_CLASS_TAG) != 0;
    if (tag == ARCHIVE_BIG_TAG) {
        const std::uint32_t big = ReadU32();
        isClass = (big & ARCHIVE_BIG_CLASS_TAG) != 0;
        index = big & ~ARCHIVE_BIG_CLASS_TAG;
    } else {
        index &= ~std::uint32_t{ARCHIVE_CLASS_TAG};
    }
    if (!Ok())
        return nullptr;
    if (!isClass) {
        // Shared objects would have two owners; no filter file needs them.
        Fail(ArchiveError::BackReference);
        return nullptr;
    }
    if (index == 0 || index >= m_loaded.size() || m_loaded[index].info == nullptr) {
        Fail(ArchiveError::BadIndex);
        return nullptr;
    }
    schema = m_loaded[index].schema;
    return m_loaded[index].info;
}

std::unique_ptr<CQuenarObject> ArchiveReader::ReadObject(const QuenarClassInfo& expected) {
    if (!Ok())
        return nullptr;
    if (m_depth >= ARCHIVE_MAX_DEPTH) {
        Fail(ArchiveError::TooDeep);
        return nullptr;
    }
    std::uint16_t schema = 0;
    const QuenarClassInfo* info = ReadClassTag(schema);
    if (info == nullptr)
        return nullptr;
    if (!info->IsDerivedFrom(expected)) {
        Fail(ArchiveError::WrongClass);
        return nullptr;
    }
    if (info->factory == nullptr) {
        Fail(ArchiveError::AbstractClass);
        return nullptr;
    }
    std::unique_ptr<CQuenarObject> object = info->factory();
    m_loaded.push_back({nullptr, 0});

    const std::uint16_t outerSchema = m_schema;
    m_schema = schema;
    ++m_depth;
    object->Load(*this);
    --m_depth;
    m_schema = outerSchema;
    if (!Ok())
        return nullptr;
    return object;
}

// ---- writing

void WriteStringLength(ByteWriter& out, std::uint32_t length) {
    if (length < 0xFF) {
        out.U8(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        out.U8(0xFF);
        out.U16LE(static_cast<std::uint16_t>(length));
    } else {
        out.U8(0xFF);
        out.U16LE(0xFFFF);
        out.U32LE(length);
    }
}

void ArchiveWriter::WriteString(std::string_view utf8) {
    const std::string bytes = Utf8ToCp1252(utf8);
    WriteStringLength(m_out, static_cast<std::uint32_t>(bytes.size()));
    m_out.Text(bytes);
}

void ArchiveWriter::WriteCount(std::uint32_t count) {
    if (count < ARCHIVE_BIG_COUNT) {
        m_out.U16LE(static_cast<std::uint16_t>(count));
    } else {
        m_out.U16LE(ARCHIVE_BIG_COUNT);
        m_out.U32LE(count);
    }
}

void ArchiveWriter::WriteIndexTag(std::uint32_t index, bool isClass) {
    if (index < ARCHIVE_BIG_TAG) {
        m_out.U16LE(static_cast<std::uint16_t>(isClass ? (ARCHIVE_CLASS_TAG | index) : index));
    } else {
        m_out.U16LE(ARCHIVE_BIG_TAG);
        m_out.U32LE(isClass ? (ARCHIVE_BIG_CLASS_TAG | index) : index);
    }
}

void ArchiveWriter::WriteObject(const CQuenarObject& object) {
    if (auto known = m_objects.find(&object); known != m_objects.end()) {
        WriteIndexTag(known->second, false);
        return;
    }
    const QuenarClassInfo& info = object.GetRuntimeClass();
    if (auto known = m_classes.find(&info); known != m_classes.end()) {
        WriteIndexTag(known->second, true);
    } else {
        const std::string_view name(info.name);
        m_out.U16LE(ARCHIVE_NEW_CLASS_TAG);
        m_out.U16LE(info.schema);
        m_out.U16LE(static_cast<std::uint16_t>(name.size()));
        m_out.Text(name);
        m_classes.emplace(&info, m_nextIndex++);
    }
    m_objects.emplace(&object, m_nextIndex++);
    object.Store(*this);
}

}  // namespace grafyon::exportfilter
