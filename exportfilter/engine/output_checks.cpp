// Confirming one output file.
#include "output_checks.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/codec_1252.h"
#include "export_strings.h"
#include "output_naming.h"
#include "path_text.h"

namespace grafyon::exportfilter {

namespace {

bool SameIdentity(const struct stat& a, const std::string& path) {
    struct stat b {};
    return ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string FolderOf(const std::string& path) {
    const std::string folder = SplitPath(path).folder;
    return folder.empty() ? std::string("./") : folder;
}

// An existing file that may be replaced: a regular file that is not read-only (also for
// a user whom access() would let write anything) in a folder where the replacement can be
// created.
bool ExistingFileWritable(const std::string& path, const struct stat& st) {
    if (!S_ISREG(st.st_mode) || (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return false;
    return ::access(path.c_str(), W_OK) == 0 && ::access(FolderOf(path).c_str(), W_OK | X_OK) == 0;
}

// Creates the file once, exclusively, and removes it again.
bool CanCreate(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(path.c_str());
    return true;
}

// 0 when the name may be used, else the failure code after its message.
int CheckTarget(const std::string& path, const TargetRequest& request,
                OutputNamingContext& context) {
    QuenarMessenger& messenger = context.messenger;
    // A name cut to fit its field would point at a file that does not exist.
    if (!FileNameFits(path, request.maxNameBytes)) {
        messenger.Message(QUENAR_MSG_CANNOT_CREATE, path);
        return NAMING_NAME_TOO_LONG;
    }
    if (IsSourceFile(path, request.sourcePath, context.sourceDataFiles)) {
        messenger.Message(QUENAR_MSG_SOURCE_EQUALS_TARGET, path);
        return NAMING_SAME_AS_SOURCE;
    }
    for (const std::string& taken : request.taken) {
        if (EqualsIgnoringCase(path, taken)) {
            messenger.Message(request.takenMessage, path);
            return request.takenResult;
        }
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (request.overwrite <= 0) {
            messenger.Message(QUENAR_MSG_CANNOT_OVERWRITE, path);
            return NAMING_NO_OVERWRITE;
        }
        if (request.overwrite == 1 && !messenger.Ask(QUENAR_MSG_OVERWRITE_QUESTION, path))
            return NAMING_OVERWRITE_DECLINED;
        if (!ExistingFileWritable(path, st)) {
            messenger.Message(QUENAR_MSG_CANNOT_ACCESS, path);
            return NAMING_NOT_ACCESSIBLE;
        }
        return NAMING_OK;
    }
    if (!CanCreate(path)) {
        messenger.Message(QUENAR_MSG_CANNOT_CREATE_IN_FOLDER, FolderOf(path));
        return NAMING_FOLDER_NOT_WRITABLE;
    }
    return NAMING_OK;
}

}  // namespace

bool FileNameFits(const std::string& path, std::size_t maxBytes) {
    if (maxBytes == 0)
        return true;
    const PathParts parts = SplitPath(path);
    return Utf8ToCp1252(parts.name + parts.extension).size() <= maxBytes;
}

bool IsSourceFile(std::string_view target, std::string_view sourcePath,
                  const std::vector<std::string>& sourceDataFiles) {
    std::vector<std::string> sources(sourceDataFiles);
    if (!sourcePath.empty()) {
        sources.emplace_back(sourcePath);
        // A description's frames usually lie beside it under the same name.
        const PathParts parts = SplitPath(sourcePath);
        sources.push_back(parts.folder + parts.name + ".dta");
    }
    struct stat targetStat {};
    const bool targetExists = ::stat(std::string(target).c_str(), &targetStat) == 0;
    for (const std::string& source : sources) {
        if (EqualsIgnoringCase(target, source))
            return true;
        if (targetExists && SameIdentity(targetStat, source))
            return true;
    }
    return false;
}

int ConfirmTarget(std::string& path, const TargetRequest& request, OutputNamingContext& context) {
    const bool withDialog = request.withDialog && context.dialog != nullptr;
    for (;;) {
        if (withDialog) {
            const std::string filter =
                FileTypeFilterFor(request.fileTypeFilter, SplitPath(path).extension);
            std::optional<std::string> chosen =
                context.dialog->SaveAs(QuenarString(request.titleId), path, filter);
            if (!chosen)
                return NAMING_CANCELLED;
            path = *chosen;
        }
        const int result = CheckTarget(path, request, context);
        if (result == NAMING_OK || !withDialog)
            return result;
    }
}

}  // namespace grafyon::exportfilter
