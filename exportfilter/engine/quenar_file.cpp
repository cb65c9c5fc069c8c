// The output-file objects.
#include "quenar_file.h"

#include <algorithm>

#include "archive.h"
#include "channel_def.h"
#include "export_strings.h"
#include "output_checks.h"
#include "output_naming.h"

namespace grafyon::exportfilter {

int CQuenarFile::UsedPathMode() const {
    return pathMode == 1 ? 1 : 0;
}

int CQuenarFile::UsedFileDialog() const {
    return std::clamp(fileDialog, 0, 2);
}

int CQuenarFile::UsedOverwrite() const {
    return std::clamp(overwrite, 0, 2);
}

void CQuenarFile::StoreBase(ArchiveWriter& ar) const {
    ar.WriteU32(VERSION);
    ar.WriteI32(pathMode);
    ar.WriteString(userPath);
    ar.WriteI32(fileDialog);
    ar.WriteI32(overwrite);
}

void CQuenarFile::LoadBase(ArchiveReader& ar) {
    const std::uint32_t version = ar.ReadVersion(VERSION);
    pathMode = ar.ReadI32();
    userPath = ar.ReadPathString();
    fileDialog = ar.ReadI32();
    if (version >= 2)
        overwrite = ar.ReadI32();
}

void CQuenarFile::LoadOldBaseFields(ArchiveReader& ar) {
    pathMode = ar.ReadI32();
    userPath = ar.ReadPathString();
    fileDialog = ar.ReadI32();
    overwrite = ar.ReadI32();
}

TargetRequest CQuenarFile::DataFileRequest(int dataFilterId, const std::string& source) const {
    TargetRequest request;
    request.titleId = QUENAR_STR_DATA_FILE_SAVE_AS;
    request.fileTypeFilter = QuenarString(dataFilterId);
    request.withDialog = UsedFileDialog() != 0;
    request.overwrite = UsedOverwrite();
    request.sourcePath = source;
    request.maxNameBytes = maxDataNameBytes;
    return request;
}

// ---- single file

std::unique_ptr<CQuenarFile> CQuenarFileSingle::Clone() const {
    return std::make_unique<CQuenarFileSingle>(*this);
}

void CQuenarFileSingle::Store(ArchiveWriter& ar) const {
    StoreBase(ar);
    ar.WriteU32(VERSION);
    ar.WriteI32(dataNameMode);
    ar.WriteString(userDataName);
    ar.WriteString(dataExtension);
    ar.WriteI32(descriptionNameMode);
    ar.WriteString(userDescriptionName);
    ar.WriteString(descriptionExtension);
}

void CQuenarFileSingle::Load(ArchiveReader& ar) {
    LoadBase(ar);
    const std::uint32_t version = ar.ReadVersion(VERSION);
    dataNameMode = ar.ReadI32();
    userDataName = ar.ReadPathString();
    dataExtension = ar.ReadString();
    if (version >= 2) {
        descriptionNameMode = ar.ReadI32();
        userDescriptionName = ar.ReadPathString();
        descriptionExtension = ar.ReadString();
    }
    if (version < 3)
        LoadOldBaseFields(ar);
}

int CQuenarFileSingle::AssignNames(const std::string& sourcePath, QuenarSelectList& records,
                                   int dataFilterId, int descriptionFilterId,
                                   OutputNamingContext& context) {
    const std::string source = sourcePath.empty() ? std::string("test.dat") : sourcePath;
    TargetRequest request = DataFileRequest(dataFilterId, source);
    std::string dataName = BuildSingleDataName(*this, source);
    if (const int result = ConfirmTarget(dataName, request, context))
        return result;

    std::string descriptionName;
    if (descriptionUsed) {
        descriptionName = BuildDescriptionName(*this, dataName);
        request.titleId = QUENAR_STR_DESCRIPTION_FILE_SAVE_AS;
        request.fileTypeFilter = QuenarString(descriptionFilterId);
        request.withDialog = UsedFileDialog() == 2;
        request.taken = {dataName};
        request.maxNameBytes = 0;  // the description names the data file, not itself
        request.takenMessage = QUENAR_MSG_DESCRIPTION_EQUALS_DATA;
        request.takenResult = NAMING_DESCRIPTION_IS_DATA;
        if (const int result = ConfirmTarget(descriptionName, request, context))
            return result;
    }
    for (auto& record : records) {
        if (!record->selected)
            continue;
        record->dataFileName = dataName;
        record->descriptionFileName = descriptionName;
    }
    return NAMING_OK;
}

bool CheckSingleFilePage(const CQuenarFileSingle& values, QuenarMessenger& messenger) {
    if (values.dataNameMode == 0 && values.pathMode == 0) {
        messenger.Message(QUENAR_MSG_SOURCE_EQUALS_TARGET_FOLDER);
        return false;
    }
    return true;
}

// ---- one file per record

std::unique_ptr<CQuenarFile> CQuenarFileMulti::Clone() const {
    return std::make_unique<CQuenarFileMulti>(*this);
}

int CQuenarFileMulti::UsedBuildMode() const {
    return std::clamp(buildMode, 0, 3);
}

void CQuenarFileMulti::Store(ArchiveWriter& ar) const {
    StoreBase(ar);
    ar.WriteU32(VERSION);
    ar.WriteI32(buildMode);
    ar.WriteI32(nameMode);
    ar.WriteString(userName);
}

void CQuenarFileMulti::Load(ArchiveReader& ar) {
    LoadBase(ar);
    const std::uint32_t version = ar.ReadVersion(VERSION);
    buildMode = ar.ReadI32();
    nameMode = ar.ReadI32();
    userName = ar.ReadPathString();
    if (version < 3)
        LoadOldBaseFields(ar);
}

int CQuenarFileMulti::AssignNames(const std::string& sourcePath, QuenarSelectList& records,
                                  int dataFilterId, int, OutputNamingContext& context) {
    const std::string source = sourcePath.empty() ? std::string("test.dat") : sourcePath;
    TargetRequest request = DataFileRequest(dataFilterId, source);
    // Two records must never write into one file.
    request.takenMessage = QUENAR_MSG_CANNOT_OVERWRITE;
    request.takenResult = NAMING_TARGET_TWICE;
    int number = 0;
    for (const auto& record : records) {
        if (!record->selected)
            continue;
        std::string name = BuildMultiDataName(*this, *record, ++number, source);
        if (const int result = ConfirmTarget(name, request, context))
            return result;
        request.taken.push_back(std::move(name));
    }
    auto name = request.taken.begin();
    for (auto& record : records) {
        if (record->selected)
            record->dataFileName = *name++;
    }
    return NAMING_OK;
}

void CopyChannelFileNames(QuenarSelectList& records) {
    for (auto& record : records) {
        const auto* definition = dynamic_cast<const CQuenarChannelDef1File*>(record->channelDef);
        if (record->selected && definition != nullptr && !definition->fileName.empty())
            record->dataFileName = definition->fileName;
    }
}

}  // namespace grafyon::exportfilter
