// Status codes of the data access layer: 0 success, negative errors.
#pragma once

namespace grafyon {

// MappedFile::Open.
enum MappedFileStatus : int {
    MAPPED_FILE_OK = 0,
    MAPPED_FILE_CANNOT_OPEN = -1,  // the file cannot be opened for reading
    MAPPED_FILE_CANNOT_MAP = -2,   // opened, but it is no regular file or its size is unknown
};

// Reading frames: FileView::Map, FrameReader::ReadChunk and every query that reads raw
// frames. A negative chunk result is one of these; 0 frames always means the end.
enum ReadStatus : int {
    READ_OK = 0,
    READ_TRUNCATED = -20,  // the data file ends before the frames its time segment names
    READ_IO_ERROR = -21,   // the operating system reported a read error
};

// DataAccess::OpenReader and OpenReaderRange.
enum ReaderStatus : int {
    READER_OK = 0,
    READER_NO_DESCRIPTION = -1,
    READER_BAD_FIRST_FRAME = -2,  // first frame outside 0 ... N-1, or a frame beyond all segments
    READER_ZERO_COUNT = -3,
    READER_NO_BUFFER = -4,
    READER_BUFFER_TOO_SMALL = -5,  // the buffer does not hold one whole frame
    READER_NO_FRAME_SIZE = -6,
    READER_SEGMENT_FAILED = -7,  // a time segment of the range cannot be read (no data file)
    READER_NOT_ATTACHED = -8,    // the description is not attached to this DataAccess
};

// DataAccess::Attach. The MappedFile statuses -1 and -2 are returned as they are.
enum AttachStatus : int {
    ATTACH_OK = 0,
    ATTACH_NO_DESCRIPTION = -100,  // empty description (no header)
    ATTACH_NO_DATA_FILE = -3,      // a time segment names a data file that is not described
    ATTACH_DATA_TRUNCATED = -4,    // a data file is shorter than its time segments need
    ATTACH_READ_FAILED = -5,       // the scan for the extremes cache could not read a frame
    ATTACH_OUT_OF_MEMORY = -6,     // no memory for the summaries
};

// Value queries: Extremes, ColumnExtremes, ValueAt.
enum QueryStatus : int {
    QUERY_OK = 0,
    QUERY_NOT_ATTACHED = -30,  // the dataset's description is not attached here
    QUERY_NOT_READABLE = -31,  // kind 101/110, an unreadable type, or it does not fit the frame
    QUERY_BAD_RANGE = -32,     // first frame beyond the data or an empty range
    QUERY_PENDING = -33,       // not asked while the summaries are scanned (too many frames)
    // Reading errors (READ_TRUNCATED, READ_IO_ERROR) are passed on as they are.
};

}  // namespace grafyon
