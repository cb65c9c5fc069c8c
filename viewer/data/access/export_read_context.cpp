// Host functions of an export run: rows, extremes, comments and the recording time.
#include "export_read_context.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <limits>

#include "access_status.h"
#include "common/byte_order.h"
#include "common/codec_1252.h"
#include "common/printf_format.h"
#include "data_access.h"
#include "value_key.h"
#include "viewer/data/data_type.h"
#include "viewer/data/measurement_description.h"

namespace grafyon {

ExportReadContext::~ExportReadContext() {
    Close();
}

int ExportReadContext::Open(DataAccess& access, const MeasurementDescription& description,
                            std::vector<const Dataset*> datasets, std::int64_t first,
                            std::int64_t count) {
    Close();
    const std::uint64_t fs = description.FrameSize();
    m_buffer.assign(std::max<std::uint64_t>(BUFFER_BYTES, fs), 0);
    int status = READER_OK;
    FrameReader* reader = access.OpenReader(&description, first, count, m_buffer, &status);
    if (reader == nullptr) {
        m_buffer = {};
        return status;
    }
    m_access = &access;
    m_description = &description;
    m_reader = reader;
    m_frameSize = fs;
    m_first = reader->FirstFrame();
    m_count = reader->FrameCount();
    m_datasets = std::move(datasets);
    m_columns.clear();
    for (const Dataset* d : m_datasets) {
        Column column;
        if (d != nullptr && KeyCodec::For(*d, fs).Valid()) {
            // The same steps as Dataset::Decode, looked up here instead of per value.
            column.decode = DecoderFor(d->dataType);
            column.isFloat = BaseDataType(d->dataType) == DATA_TYPE_FLOAT;
            column.mask = WidenMask(d->dataType, d->dataMask);
            column.frameOffset = d->effectiveFrameOffset;
            column.calibrated = (d->dataType & DATA_TYPE_NOT_CALIBRATED) == 0;
            column.factor = d->factor;
            column.offset = d->offset;
        }
        m_columns.push_back(column);
    }
    m_contiguousFloats = !m_columns.empty();
    m_floatsAt = m_columns.empty() ? 0 : m_columns.front().frameOffset;
    m_factors.clear();
    m_offsets.clear();
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        const Column& column = m_columns[i];
        m_contiguousFloats =
            m_contiguousFloats && column.isFloat && column.frameOffset == m_floatsAt + 4 * i;
        m_factors.push_back(column.calibrated ? column.factor : 1.0);
        m_offsets.push_back(column.calibrated ? column.offset : 0.0);
    }
    m_comments.clear();
    std::size_t pos = 0;
    for (Element* e = description.FindFirst(ELEMENT_COMMENT, pos); e;
         e = description.FindNext(ELEMENT_COMMENT, pos)) {
        m_comments.push_back(&static_cast<const CommentElement*>(e)->text);
    }
    m_left = m_next = 0;
    m_status = 0;
    return READER_OK;
}

void ExportReadContext::Close() {
    if (m_reader != nullptr && m_access != nullptr)
        m_access->CloseReader(m_reader);
    m_reader = nullptr;
    m_access = nullptr;
    m_buffer = {};
    m_left = m_next = 0;
}

bool ExportReadContext::IsSelected(const Dataset* dataset) const {
    return dataset != nullptr &&
           std::find(m_datasets.begin(), m_datasets.end(), dataset) != m_datasets.end();
}

int ExportReadRow(ExportReadContext& c, double* values) {
    if (c.m_reader == nullptr || c.m_status < 0)
        return c.m_status < 0 ? -1 : 0;
    if (c.m_left == 0) {
        const std::int64_t n = c.m_access->ReadChunk(c.m_reader);
        if (n == 0)
            return 0;
        if (n < 0) {
            c.m_status = static_cast<int>(n);
            return -1;
        }
        c.m_left = static_cast<std::uint64_t>(n);
        c.m_next = 0;
    }
    const std::uint8_t* frame = c.m_buffer.data() + c.m_next * c.m_frameSize;
    if (c.m_contiguousFloats) {
        const std::uint8_t* p = frame + c.m_floatsAt;
        const std::size_t n = c.m_columns.size();
        const double* factors = c.m_factors.data();
        const double* offsets = c.m_offsets.data();
        for (std::size_t i = 0; i < n; ++i)
            values[i] = static_cast<double>(LoadF32LE(p + 4 * i)) * factors[i] + offsets[i];
        ++c.m_next;
        --c.m_left;
        return 1;
    }
    for (const ExportReadContext::Column& col : c.m_columns) {
        double value = 0.0;
        if (col.isFloat) {
            value = LoadF32LE(frame + col.frameOffset);
            if (col.calibrated)
                value = value * col.factor + col.offset;
        } else if (col.decode != nullptr) {
            value = col.decode(frame + col.frameOffset, col.mask);
            if (col.calibrated)
                value = value * col.factor + col.offset;
        }
        *values++ = value;
    }
    ++c.m_next;
    --c.m_left;
    return 1;
}

void ExportValueRange(ExportReadContext& c, const Dataset* dataset, double* minimum,
                      double* maximum) {
    double lo = 0.0;
    double hi = 0.0;
    if (dataset != nullptr && c.m_access != nullptr && c.m_count > 0) {
        c.m_access->Extremes(*dataset, c.m_first, c.m_count, lo, hi);
    }
    if (minimum != nullptr)
        *minimum = lo;
    if (maximum != nullptr)
        *maximum = hi;
}

int ExportCommentCount(const ExportReadContext& c, const Dataset* dataset) {
    return c.IsSelected(dataset) ? static_cast<int>(c.Comments().size()) : 0;
}

namespace {

const std::string* CommentLine(const ExportReadContext& c, const Dataset* dataset, int line) {
    const std::vector<const std::string*>& comments = c.Comments();
    if (!c.IsSelected(dataset) || line < 0 || static_cast<std::size_t>(line) >= comments.size())
        return nullptr;
    return comments[static_cast<std::size_t>(line)];
}

}  // namespace

int ExportCommentLength(const ExportReadContext& c, const Dataset* dataset, int line) {
    const std::string* text = CommentLine(c, dataset, line);
    if (text == nullptr)
        return 0;
    return static_cast<int>(
        std::min<std::size_t>(Utf8ToCp1252(*text).size(), std::numeric_limits<int>::max()));
}

int ExportCommentText(const ExportReadContext& c, const Dataset* dataset, int line,
                      char* destination, int size) {
    if (destination == nullptr || size < 0)
        return 0;
    destination[0] = '\0';
    const std::string* text = CommentLine(c, dataset, line);
    if (text == nullptr)
        return 0;
    const std::string bytes = Utf8ToCp1252(*text);
    const std::size_t n = std::min<std::size_t>(bytes.size(), static_cast<std::size_t>(size));
    std::memcpy(destination, bytes.data(), n);
    destination[n] = '\0';
    return static_cast<int>(n);
}

int ExportDateTime(const ExportReadContext& c, const Dataset* dataset, int selector,
                   void* destination, int size) {
    if (destination == nullptr || size <= 0)
        return EXPORT_DT_NO_DESTINATION;
    if (!c.IsSelected(dataset))
        return EXPORT_DT_NOT_SELECTED;
    const HeaderElement* h = c.Description() ? c.Description()->Header() : nullptr;
    if (h == nullptr)
        return EXPORT_DT_DOES_NOT_FIT;
    std::string text;
    switch (selector) {
        case EXPORT_DT_DATE:
            text = FormatPrintf("%02u.%02u.%u", h->day, h->month, h->year);
            break;
        case EXPORT_DT_TIME:
            text = FormatPrintf("%02u:%02u:%02u", h->hour, h->minute, h->second);
            break;
        case EXPORT_DT_VALUE: {
            if (size < 4)
                return EXPORT_DT_DOES_NOT_FIT;
            if (h->month < 1 || h->month > 12 || h->day < 1 || h->day > 31 || h->hour > 23 ||
                h->minute > 59 || h->second > 59 || h->year < 1970 || h->year > 2100) {
                return EXPORT_DT_DOES_NOT_FIT;
            }
            std::tm tm{};
            tm.tm_year = static_cast<int>(h->year) - 1900;
            tm.tm_mon = static_cast<int>(h->month) - 1;
            tm.tm_mday = static_cast<int>(h->day);
            tm.tm_hour = static_cast<int>(h->hour);
            tm.tm_min = static_cast<int>(h->minute);
            tm.tm_sec = static_cast<int>(h->second);
            tm.tm_isdst = -1;  // the header holds local time
            const std::time_t t = std::mktime(&tm);
            if (t == static_cast<std::time_t>(-1) || t < 0 ||
                t > std::numeric_limits<std::int32_t>::max()) {
                return EXPORT_DT_DOES_NOT_FIT;
            }
            const std::int32_t seconds = static_cast<std::int32_t>(t);
            std::memcpy(destination, &seconds, sizeof seconds);
            return EXPORT_DT_OK;
        }
        default:
            return EXPORT_DT_DOES_NOT_FIT;
    }
    if (text.size() >= static_cast<std::size_t>(size))
        return EXPORT_DT_DOES_NOT_FIT;
    std::memcpy(destination, text.c_str(), text.size() + 1);
    return EXPORT_DT_OK;
}

}  // namespace grafyon
