// The viewer's host functions of an export: the library's calls 4 and 259-263 answered from
// an export read context, whose records carry the exported datasets as their handles.
#pragma once

#include "common/quenar_host.h"

namespace grafyon {

class CQuenarSelectItem;
class Dataset;

// The dataset a record stands for; null for a null record or a data-source record.
const Dataset* DatasetOfRecord(const CQuenarSelectItem* record);

// The host functions with the library's signatures; the context is an ExportReadContext.
int HostReadRow(void* context, double* values);
void HostValueRange(void* context, const CQuenarSelectItem* record, double* minimum,
                    double* maximum);
int HostCommentCount(void* context, const CQuenarSelectItem* record);
int HostCommentLength(void* context, const CQuenarSelectItem* record, int line);
int HostCommentText(void* context, const CQuenarSelectItem* record, int line, char* buffer,
                    int size);
int HostDateTime(void* context, const CQuenarSelectItem* record, int selector, void* destination,
                 int size);

// Registers them with the export library in the order 4, 259, 260, 261, 262, 263.
void RegisterExportHostFunctions();

}  // namespace grafyon
