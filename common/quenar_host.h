// What the viewer and the export library agree on besides the dataset record: the host
// functions the library calls back, their identifiers, and the library's numbered constants.
#pragma once

#include <cstdint>

namespace grafyon {

class CQuenarSelectItem;

// Path selectors of QuenvartexilaPathInitial.
inline constexpr int QUENAR_LOCAL_FILTER_PATH = 16;
inline constexpr int QUENAR_GLOBAL_FILTER_PATH = 17;

// Bits of QuenvartexilaSetFlags.
inline constexpr int QUENAR_FLAG_NO_MESSAGE_BOXES = 1;
inline constexpr int QUENAR_FLAG_NO_STATUS_WINDOW = 2;

// Host function identifiers. A host registers those it offers with QuenvartexilaSetCallback.
inline constexpr int QUENAR_FN_FLAGGED_ROWS = 1;      // QuenarFlaggedRowFunction, x delivered
inline constexpr int QUENAR_FN_READ_ROW = 4;          // QuenarReadRowFunction
inline constexpr int QUENAR_FN_RESAMPLED_ROWS = 7;    // QuenarFlaggedRowFunction, x requested
inline constexpr int QUENAR_FN_NATIVE_FORMAT = 256;   // QuenarNativeFormatFunction
inline constexpr int QUENAR_FN_NATIVE_SIZE = 257;     // recognised, not consulted
inline constexpr int QUENAR_FN_NATIVE_SCALING = 258;  // QuenarNativeScalingFunction
inline constexpr int QUENAR_FN_VALUE_RANGE = 259;     // QuenarValueRangeFunction
inline constexpr int QUENAR_FN_COMMENT_COUNT = 260;   // QuenarCommentCountFunction
inline constexpr int QUENAR_FN_COMMENT_LENGTH = 261;  // QuenarCommentLengthFunction
inline constexpr int QUENAR_FN_COMMENT_TEXT = 262;    // QuenarCommentTextFunction
inline constexpr int QUENAR_FN_DATE_TIME = 263;       // QuenarDateTimeFunction

// Selectors of QUENAR_FN_DATE_TIME.
inline constexpr int QUENAR_DT_DATE = 257;   // "%d.%m.%Y"
inline constexpr int QUENAR_DT_TIME = 258;   // "%H:%M:%S"
inline constexpr int QUENAR_DT_VALUE = 259;  // seconds since 1970-01-01 as a 32-bit integer

// Results of QUENAR_FN_DATE_TIME.
inline constexpr int QUENAR_DT_OK = 0;
inline constexpr int QUENAR_DT_NO_DESTINATION = -1;
inline constexpr int QUENAR_DT_NOT_EXPORTED = -2;
inline constexpr int QUENAR_DT_DOES_NOT_FIT = -100;

// Value-format code of 64-bit floating-point physical values.
inline constexpr int QUENAR_FORMAT_PHYSICAL_DOUBLE = 266;

// A caller-supplied status display for QuenvartexilaSetStatusWindow: context, percentage,
// count, total; 0 asks to cancel. Accepted and never called.
using QuenarStatusFunction = int (*)(void* context, double percent, std::int32_t count,
                                     std::int32_t total);

// How every host function is registered; cast back to its own type before a call.
using QuenarHostFunction = void (*)();

// The first argument of every host function is the host context that the host handed to
// QuenvartexilaReqFuncAssignment. Records are passed as themselves; the host reads the
// handle.

// 4: writes the next row, one value per selected record in list order; 1 per row, 0 when
// no row is left, negative when the data can no longer be read (the run then fails).
using QuenarReadRowFunction = int (*)(void* context, double* values);
// 1 and 7: a row of one value and one availability flag (1 available, 0 missing) per
// selected record. Identifier 1 delivers the rows as they come and writes their x value;
// identifier 7 answers the x value asked for. Results as for 4.
using QuenarFlaggedRowFunction = int (*)(void* context, double* values, double* x,
                                         std::int32_t* flags);
// 259: the smallest and largest physical value within the exported range.
using QuenarValueRangeFunction = void (*)(void* context, const CQuenarSelectItem* record,
                                          double* minimum, double* maximum);
// 260: the number of comment lines of the record's data file; 0 when it is not exported.
using QuenarCommentCountFunction = int (*)(void* context, const CQuenarSelectItem* record);
// 261: the length of one comment line in characters, one Windows-1252 byte each; 0 when
// the record is not exported or no such line.
using QuenarCommentLengthFunction = int (*)(void* context, const CQuenarSelectItem* record,
                                            int line);
// 262: copies at most size characters of the line (Windows-1252 bytes) into buffer and
// terminates it; the characters copied. The library always passes a buffer of size + 1
// bytes.
using QuenarCommentTextFunction = int (*)(void* context, const CQuenarSelectItem* record, int line,
                                          char* buffer, int size);
// 263: the recording date or time by selector into destination of size bytes; a
// QUENAR_DT_ result.
using QuenarDateTimeFunction = int (*)(void* context, const CQuenarSelectItem* record, int selector,
                                       void* destination, int size);
// 256: the value-format code the record's values have in the host.
using QuenarNativeFormatFunction = int (*)(void* context, const CQuenarSelectItem* record);
// 258: the three scaling numbers of the record's raw values; 0 on success.
using QuenarNativeScalingFunction = int (*)(void* context, const CQuenarSelectItem* record,
                                            double* scaling);

// Any host function as the registration takes it.
template <class Function>
QuenarHostFunction AsHostFunction(Function function) {
    return reinterpret_cast<QuenarHostFunction>(function);
}

}  // namespace grafyon
