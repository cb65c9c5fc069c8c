// Memory and disk figures of the System page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace grafyon::about {

// Total physical memory in kilobytes.
std::optional<std::uint64_t> TotalRamKBytes();

struct FreeSpace {
    std::uint64_t kBytes = 0;  // available to the user, in 64 bits
    std::string volume;        // the mount point holding the folder
};

// Free space of the volume that holds folder.
std::optional<FreeSpace> VolumeFreeSpace(const std::string& folder);

// The mount point of path: the highest folder above it on the same device.
std::string MountPointOf(const std::string& path);

// "%lu kByte" with the total memory, "Unavailable" when it cannot be read.
std::string RamText();
// "%llu kByte free on %s" for the current folder's volume, or "Unavailable".
std::string DiskText();

}  // namespace grafyon::about
