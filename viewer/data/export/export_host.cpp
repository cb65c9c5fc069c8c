// The host functions of an export, handed on to the read context.
#include "export_host.h"

#include "common/quenar_select_item.h"
#include "exportfilter/quenvartexila.h"
#include "viewer/data/access/export_read_context.h"

namespace grafyon {

namespace {

ExportReadContext& ContextOf(void* context) {
    return *static_cast<ExportReadContext*>(context);
}

// The library's selectors and results of 263 are the data layer's own numbers.
static_assert(QUENAR_DT_DATE == EXPORT_DT_DATE && QUENAR_DT_TIME == EXPORT_DT_TIME &&
              QUENAR_DT_VALUE == EXPORT_DT_VALUE);
static_assert(QUENAR_DT_OK == EXPORT_DT_OK &&
              QUENAR_DT_NO_DESTINATION == EXPORT_DT_NO_DESTINATION &&
              QUENAR_DT_NOT_EXPORTED == EXPORT_DT_NOT_SELECTED &&
              QUENAR_DT_DOES_NOT_FIT == EXPORT_DT_DOES_NOT_FIT);

}  // namespace

const Dataset* DatasetOfRecord(const CQuenarSelectItem* record) {
    return record != nullptr ? static_cast<const Dataset*>(record->handle) : nullptr;
}

int HostReadRow(void* context, double* values) {
    return ExportReadRow(ContextOf(context), values);
}

void HostValueRange(void* context, const CQuenarSelectItem* record, double* minimum,
                    double* maximum) {
    ExportValueRange(ContextOf(context), DatasetOfRecord(record), minimum, maximum);
}

int HostCommentCount(void* context, const CQuenarSelectItem* record) {
    return ExportCommentCount(ContextOf(context), DatasetOfRecord(record));
}

int HostCommentLength(void* context, const CQuenarSelectItem* record, int line) {
    return ExportCommentLength(ContextOf(context), DatasetOfRecord(record), line);
}

int HostCommentText(void* context, const CQuenarSelectItem* record, int line, char* buffer,
                    int size) {
    return ExportCommentText(ContextOf(context), DatasetOfRecord(record), line, buffer, size);
}

int HostDateTime(void* context, const CQuenarSelectItem* record, int selector, void* destination,
                 int size) {
    return ExportDateTime(ContextOf(context), DatasetOfRecord(record), selector, destination, size);
}

void RegisterExportHostFunctions() {
    QuenvartexilaSetCallback(AsHostFunction<QuenarReadRowFunction>(&HostReadRow),
                             QUENAR_FN_READ_ROW);
    QuenvartexilaSetCallback(AsHostFunction<QuenarValueRangeFunction>(&HostValueRange),
                             QUENAR_FN_VALUE_RANGE);
    QuenvartexilaSetCallback(AsHostFunction<QuenarCommentCountFunction>(&HostCommentCount),
                             QUENAR_FN_COMMENT_COUNT);
    QuenvartexilaSetCallback(AsHostFunction<QuenarCommentLengthFunction>(&HostCommentLength),
                             QUENAR_FN_COMMENT_LENGTH);
    QuenvartexilaSetCallback(AsHostFunction<QuenarCommentTextFunction>(&HostCommentText),
                             QUENAR_FN_COMMENT_TEXT);
    QuenvartexilaSetCallback(AsHostFunction<QuenarDateTimeFunction>(&HostDateTime),
                             QUENAR_FN_DATE_TIME);
}

}  // namespace grafyon
