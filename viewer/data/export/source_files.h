// The files of the measurement being exported, which no output may ever replace.
#pragma once

#include <string>
#include <vector>

#include <sys/types.h>

namespace grafyon {

class MeasurementDescription;

class SourceFiles {
public:
    // The document's file (description or single-file measurement) and every data file
    // that the description names.
    SourceFiles(const MeasurementDescription& description, const std::string& documentPath);

    // Whether writing target would replace one of them: the same file by device and inode
    // (a hard link, a symbolic link, another spelling of the path), or the same name once
    // "." and ".." and symbolic links of the folders are resolved.
    bool Contains(const std::string& target) const;

    // The file that target would replace, for the message; empty when none.
    std::string Match(const std::string& target) const;

private:
    struct File {
        std::string path;
        std::string resolved;  // the path with its existing part resolved
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
    };
    std::vector<File> m_files;
};

}  // namespace grafyon
