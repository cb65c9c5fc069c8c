// Total memory from the kernel, free disk space from the volume of the current folder.
#include "system_info.h"

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysinfo.h>
#include <unistd.h>

#include <filesystem>

#include "about_strings.h"
#include "common/printf_format.h"

namespace grafyon::about {

std::optional<std::uint64_t> TotalRamKBytes() {
    struct sysinfo info {};
    if (::sysinfo(&info) != 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(info.totalram) * info.mem_unit / 1024;
}

std::string MountPointOf(const std::string& path) {
    std::error_code ec;
    std::filesystem::path current = std::filesystem::canonical(path, ec);
    if (ec)
        return path;
    struct stat info {};
    if (::stat(current.c_str(), &info) != 0)
        return current.string();
    const dev_t device = info.st_dev;
    while (current.has_relative_path()) {
        const std::filesystem::path parent = current.parent_path();
        struct stat parentInfo {};
        if (::stat(parent.c_str(), &parentInfo) != 0 || parentInfo.st_dev != device)
            break;
        current = parent;
    }
    return current.string();
}

std::optional<FreeSpace> VolumeFreeSpace(const std::string& folder) {
    struct statvfs info {};
    if (::statvfs(folder.c_str(), &info) != 0)
        return std::nullopt;
    FreeSpace space;
    space.kBytes = static_cast<std::uint64_t>(info.f_bavail) * info.f_frsize / 1024;
    space.volume = MountPointOf(folder);
    return space;
}

std::string RamText() {
    const std::optional<std::uint64_t> ram = TotalRamKBytes();
    if (!ram)
        return BriselString(BRISEL_STR_UNAVAILABLE);
    return FormatPrintf(BriselString(BRISEL_STR_RAM).c_str(), static_cast<unsigned long>(*ram));
}

std::string DiskText() {
    std::error_code ec;
    const std::filesystem::path here = std::filesystem::current_path(ec);
    const std::optional<FreeSpace> space = ec ? std::nullopt : VolumeFreeSpace(here.string());
    if (!space)
        return BriselString(BRISEL_STR_UNAVAILABLE);
    return FormatPrintf(BriselString(BRISEL_STR_DISK_FREE).c_str(),
                        static_cast<unsigned long long>(space->kBytes), space->volume.c_str());
}

}  // namespace grafyon::about
