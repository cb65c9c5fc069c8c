// A fake command for tests: a shell script that records its arguments and standard input.
#pragma once

#include <sys/stat.h>

#include <string>

#include "test_support.h"

namespace grafyon::test {

// Writes dir/name as an executable script that stores its arguments (one per line) in
// dir/name.args and its standard input in dir/name.stdin, then runs tail (for example
// "exit 3" or "sleep 5") and otherwise exits 0.
inline std::string WriteFakeProgram(const TempDir& dir, const std::string& name,
                                    const std::string& tail = "") {
    const std::string path = dir / name;
    WriteTextFile(path, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + path + ".args'\ncat > '" + path +
                            ".stdin'\n" + tail + "\nexit 0\n");
    ::chmod(path.c_str(), 0755);
    return path;
}

}  // namespace grafyon::test
