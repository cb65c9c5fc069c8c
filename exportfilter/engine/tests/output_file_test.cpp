// Output files of a run: byte order helpers, patching, and the commit that replaces the
// target only at the end.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "exportfilter/engine/output_file.h"
#include "test_support.h"

namespace grafyon::exportfilter::test {
namespace {

namespace fs = std::filesystem;
using grafyon::test::ReadTextFile;
using grafyon::test::TempDir;
using grafyon::test::WriteTextFile;

std::vector<std::string> Names(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(OutputFile, BinaryTextAndPatchedBytes) {
    TempDir dir;
    const std::string path = dir / "out.bin";
    QuenarOutputFile out;
    ASSERT_TRUE(out.Open(path));
    out.U16LE(0x0102);
    out.U16BE(0x0102);
    out.I32LE(-2);
    out.U32BE(0x0A0B0C0D);
    out.F64BE(1.0);
    out.U32LE(0);  // patched below
    out.TextCrLf("a\nb\n");
    out.Number(*NumberFormat::Compile("%8.3f|"), 3.14159);
    out.Integer(*NumberFormat::Compile("%d"), -42);
    const std::string big(QuenarOutputFile::BUFFER_SIZE + 10, 'z');
    out.Text(big);
    EXPECT_EQ(out.Position(), 42u + big.size());
    const std::uint8_t patch[] = {0xAA, 0xBB, 0xCC, 0xDD};
    out.WriteAt(20, patch);
    ASSERT_TRUE(out.Commit());
    EXPECT_EQ(ReadTextFile(path), std::string("\x02\x01\x01\x02\xFE\xFF\xFF\xFF\x0A\x0B\x0C\x0D"
                                              "\x3F\xF0\x00\x00\x00\x00\x00\x00\xAA\xBB\xCC\xDD"
                                              "a\r\nb\r\n   3.142|-42",
                                              42) +
                                      big);

    // Patching bytes that were never written is a writer's mistake, and the file fails.
    QuenarOutputFile wrong;
    ASSERT_TRUE(wrong.Open(dir / "wrong.bin"));
    wrong.U32LE(1);
    wrong.WriteAt(2, patch);
    EXPECT_FALSE(wrong.Ok());
    EXPECT_FALSE(wrong.Commit());
    EXPECT_FALSE(fs::exists(dir / "wrong.bin"));
}

TEST(OutputFile, TheTargetChangesOnlyOnCommit) {
    TempDir dir;
    const std::string path = dir / "data.txt";
    WriteTextFile(path, "previous");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_EQ(::symlink(path.c_str(), (dir / "link.txt").c_str()), 0);
    {
        QuenarOutputFile out;
        ASSERT_TRUE(out.Open(path));
        out.Text("new");
        ASSERT_TRUE(out.Flush());
        EXPECT_EQ(Names(dir).size(), 3u);  // the temporary file beside it
        EXPECT_EQ(ReadTextFile(path), "previous");
    }  // never committed: discarded
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"data.txt", "link.txt"}));
    EXPECT_EQ(ReadTextFile(path), "previous");

    QuenarOutputFile out;
    ASSERT_TRUE(out.Open(dir / "link.txt"));
    out.Text("new");
    ASSERT_TRUE(out.Commit());
    EXPECT_EQ(ReadTextFile(path), "new");
    EXPECT_TRUE(fs::is_symlink(dir / "link.txt"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"data.txt", "link.txt"}));
}

TEST(OutputFile, FailuresAreSticky) {
    TempDir dir;
    QuenarOutputFile missing;
    EXPECT_FALSE(missing.Open(dir / "no/such/folder/x.txt"));
    missing.Text("dropped");
    EXPECT_FALSE(missing.Ok());
    EXPECT_FALSE(missing.Commit());

    QuenarOutputFile full;
    ASSERT_TRUE(full.Open("/dev/full"));
    full.Text("x");
    EXPECT_FALSE(full.Flush());
    full.Text("more");
    EXPECT_FALSE(full.Ok());
    EXPECT_FALSE(full.Commit());
}

}  // namespace
}  // namespace grafyon::exportfilter::test
