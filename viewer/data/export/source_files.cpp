// Telling whether an output would replace a file of the measurement.
#include "source_files.h"

#include <filesystem>

#include <sys/stat.h>

#include "viewer/data/measurement_description.h"

namespace grafyon {

namespace {

std::string Resolved(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path, ec), ec);
    return ec ? std::filesystem::path(path).lexically_normal().string() : resolved.string();
}

}  // namespace

SourceFiles::SourceFiles(const MeasurementDescription& description,
                         const std::string& documentPath) {
    std::vector<std::string> paths;
    if (!documentPath.empty())
        paths.push_back(documentPath);
    if (const HeaderElement* header = description.Header();
        header != nullptr && !header->filePath.empty())
        paths.push_back(header->filePath);
    for (const DataFileElement* file : description.DataFiles()) {
        if (!file->fullPath.empty())
            paths.push_back(file->fullPath);
    }
    for (const std::string& path : paths) {
        File file;
        file.path = path;
        file.resolved = Resolved(path);
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0) {
            file.exists = true;
            file.device = st.st_dev;
            file.inode = st.st_ino;
        }
        m_files.push_back(std::move(file));
    }
}

std::string SourceFiles::Match(const std::string& target) const {
    if (target.empty())
        return {};
    struct stat st {};
    const bool exists = ::stat(target.c_str(), &st) == 0;
    const std::string resolved = Resolved(target);
    for (const File& file : m_files) {
        if (exists && file.exists && file.device == st.st_dev && file.inode == st.st_ino)
            return file.path;
        if (file.resolved == resolved)
            return file.path;
    }
    return {};
}

bool SourceFiles::Contains(const std::string& target) const {
    return !Match(target).empty();
}

}  // namespace grafyon
