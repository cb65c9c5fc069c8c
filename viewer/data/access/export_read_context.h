// The read context of an export run and the data side of the host functions 4, 259-263.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace grafyon {

class DataAccess;
class Dataset;
class FrameReader;
class MeasurementDescription;

// Selectors of host function 263 (QUENAR_DT_DATE, _TIME, _VALUE).
inline constexpr int EXPORT_DT_DATE = 257;   // "%d.%m.%Y"
inline constexpr int EXPORT_DT_TIME = 258;   // "%H:%M:%S"
inline constexpr int EXPORT_DT_VALUE = 259;  // seconds since 1970-01-01 as a 32-bit integer

// Results of host function 263.
enum ExportDateTimeStatus : int {
    EXPORT_DT_OK = 0,
    EXPORT_DT_NO_DESTINATION = -1,  // no destination or no size
    EXPORT_DT_NOT_SELECTED = -2,    // the dataset is not exported
    EXPORT_DT_DOES_NOT_FIT = -100,  // text too long for the size, unknown selector, no valid time
};

// What the viewer hands to the export library as host context: the description,
// a FrameReader on the export range with its buffer, the exported datasets in export order,
// and the position in the current chunk. Lives for one export run; the DataAccess must
// outlive it and keep the description attached.
class ExportReadContext {
public:
    // The read buffer, enlarged to one frame for wide recordings.
    static constexpr std::size_t BUFFER_BYTES = 10240;

    ExportReadContext() = default;
    ~ExportReadContext();
    ExportReadContext(const ExportReadContext&) = delete;
    ExportReadContext& operator=(const ExportReadContext&) = delete;

    // Opens the reader on frames [first, first + count) (count < 0: to the end). Returns
    // READER_OK or a ReaderStatus (the context then stays closed).
    int Open(DataAccess& access, const MeasurementDescription& description,
             std::vector<const Dataset*> datasets, std::int64_t first, std::int64_t count);
    // Closes the reader (also done by the destructor).
    void Close();

    bool IsOpen() const { return m_reader != nullptr; }
    const MeasurementDescription* Description() const { return m_description; }
    const std::vector<const Dataset*>& Datasets() const { return m_datasets; }
    bool IsSelected(const Dataset* dataset) const;
    // The texts of the comment elements (kind 90), in element order.
    const std::vector<const std::string*>& Comments() const { return m_comments; }
    std::uint64_t FirstFrame() const { return m_first; }
    std::uint64_t FrameCount() const { return m_count; }
    // 0, or the ReadStatus that ended the rows before the end of the range; the export
    // routine reports it after the run.
    int Status() const { return m_status; }

private:
    friend int ExportReadRow(ExportReadContext& context, double* values);
    friend void ExportValueRange(ExportReadContext& context, const Dataset* dataset,
                                 double* minimum, double* maximum);

    // A dataset's decoding resolved once, so that a row costs no lookups: null decode for
    // a dataset whose values cannot be read (its value is 0).
    struct Column {
        double (*decode)(const std::uint8_t*, std::uint64_t) = nullptr;
        bool isFloat = false;  // the common case, read without the call
        std::uint64_t mask = 0;
        std::uint64_t frameOffset = 0;
        bool calibrated = false;
        double factor = 1.0;
        double offset = 0.0;
    };

    DataAccess* m_access = nullptr;  // owned by the document
    const MeasurementDescription* m_description = nullptr;
    std::vector<const Dataset*> m_datasets;
    std::vector<Column> m_columns;  // the datasets with what reading them needs
    // Set when every column is a float right after the one before, from byte m_floatsAt of
    // the frame: then a row is one straight loop over these two arrays.
    bool m_contiguousFloats = false;
    std::uint64_t m_floatsAt = 0;
    std::vector<double> m_factors;
    std::vector<double> m_offsets;
    std::vector<const std::string*> m_comments;
    FrameReader* m_reader = nullptr;  // owned by m_access until Close
    std::vector<std::uint8_t> m_buffer;
    std::uint64_t m_frameSize = 0;
    std::uint64_t m_first = 0;
    std::uint64_t m_count = 0;
    std::uint64_t m_left = 0;  // frames of the current chunk not yet delivered
    std::uint64_t m_next = 0;  // index of the next frame in the buffer
    int m_status = 0;
};

// Host function 4: the next row, one calibrated double per exported dataset in export order
// (the first value of each dataset in the frame; 0.0 for a dataset that is never read:
// kinds 101/110, unreadable types, not fitting the frame). Returns 1 for a row, 0 when no
// row is left, and -1 when a frame could not be read (Status() tells why).
int ExportReadRow(ExportReadContext& context, double* values);

// Host function 259: the calibrated extremes of the dataset over the export range,
// minimum <= maximum; 0 and 0 when it cannot be read. Null pointers are ignored.
void ExportValueRange(ExportReadContext& context, const Dataset* dataset, double* minimum,
                      double* maximum);

// Host function 260: number of comment elements (kind 90) when the dataset is exported,
// else 0.
int ExportCommentCount(const ExportReadContext& context, const Dataset* dataset);

// Host function 261: length of comment `line` (from 0) in characters as the export library
// receives them, one Windows-1252 byte each; 0 when the dataset is not exported or there
// is no such comment.
int ExportCommentLength(const ExportReadContext& context, const Dataset* dataset, int line);

// Host function 262: copies at most `size` characters of comment `line` in Windows-1252 (a
// character that it cannot hold becomes "?") into destination and terminates them, so the
// destination must hold size + 1 bytes: the length from 261 as the size copies the whole
// line. Returns the characters copied; 0, with an empty terminated destination, when the
// dataset is not exported or there is no such comment. A negative size or a null
// destination touches nothing.
int ExportCommentText(const ExportReadContext& context, const Dataset* dataset, int line,
                      char* destination, int size);

// Host function 263: the recording date and time of the header (its day, month, year,
// hour, minute and second fields). EXPORT_DT_DATE writes "%d.%m.%Y" and EXPORT_DT_TIME
// "%H:%M:%S" as zero-terminated text, which must be shorter than size; EXPORT_DT_VALUE
// writes the local recording time as seconds since 1970-01-01 into a 32-bit integer
// (size at least 4; a time that is no valid date from 1970 on gives -100).
int ExportDateTime(const ExportReadContext& context, const Dataset* dataset, int selector,
                   void* destination, int size);

}  // namespace grafyon
