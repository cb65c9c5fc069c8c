// Data-file validation: every status, refused names and single-frame measurements.
#include <gtest/gtest.h>

#include <filesystem>

#include "test_support.h"
#include "viewer/data/data_file_path.h"
#include "viewer/data/measurement_status.h"
#include "viewer/data/open/data_file_validation.h"
#include "viewer/data/test_support/fifo.h"

namespace grafyon {
namespace {

class DataFileValidationTest : public ::testing::Test {
protected:
    // A description in the temporary folder with one data file and the given segments.
    void Build(const std::string& fileName, std::vector<std::uint64_t> segmentFrames,
               std::uint32_t segmentFile = 1) {
        m_description.Clear();
        auto header = std::make_unique<HeaderElement>();
        header->fileName = "m.mdf";
        header->filePath = m_dir / "m.mdf";
        m_description.Append(std::move(header));
        auto file = std::make_unique<DataFileElement>();
        file->fileName = fileName;
        file->fullPath = m_dir / fileName;
        m_description.Append(std::move(file));
        for (std::uint64_t frames : segmentFrames) {
            auto segment = std::make_unique<TimeSegmentElement>();
            segment->dataFileNumber = segmentFile;
            segment->frameCount = frames;
            m_description.Append(std::move(segment));
        }
    }

    test::TempDir m_dir;
    MeasurementDescription m_description;
};

TEST_F(DataFileValidationTest, ReportsEveryStatus) {
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::NoInput);

    test::WriteFile(m_dir / "run.dta", std::vector<unsigned char>(40, 1));
    Build("run.dta", {});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::NoTimeBase);
    Build("run.dta", {0, 0});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::NoTimeBase);
    Build("run.dta", {0, 1});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::SingleFrame);
    Build("run.dta", {10, 5});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::Ok);

    Build("run.dta", {10}, 2);  // no data file with that number
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::DataFileBroken);
    Build("", {10});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::DataFileBroken);
    // A data file that no segment uses is still opened when attaching: its name counts too.
    Build("run.dta", {10});
    {
        auto unused = std::make_unique<DataFileElement>();
        unused->fileNumber = 7;
        unused->fileName = "../elsewhere.dta";
        unused->fullPath = (m_dir.Path().parent_path() / "elsewhere.dta").string();
        m_description.Append(std::move(unused));
    }
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::DataFileBroken);

    Build("missing.dta", {10});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::DataFileMissing);
    // A single frame is reported before the files are looked at; attaching then fails.
    Build("missing.dta", {1});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::SingleFrame);
    std::filesystem::create_directory(m_dir.Path() / "folder.dta");
    Build("folder.dta", {10});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::DataFileMissing);
    ASSERT_TRUE(test::MakeFifo(m_dir / "pipe.dta"));
    Build("pipe.dta", {10});
    EXPECT_EQ(test::WithoutWaitingFor(m_dir / "pipe.dta",
                                      [&] { return ValidateDataFiles(m_description); }),
              MeasurementStatus::DataFileMissing);

    test::WriteFile(m_dir / "empty.dta", {});
    Build("empty.dta", {10});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::DataFileEmpty);
}

TEST_F(DataFileValidationTest, NamesWithAFolderPartAreRefused) {
    std::filesystem::create_directory(m_dir.Path() / "sub");
    test::WriteFile(m_dir / "sub/inner.dta", std::vector<unsigned char>(8, 0));
    for (const std::string name :
         {"sub/inner.dta", "../x.dta", "..", ".", "sub\\inner.dta", "/etc/passwd"}) {
        Build(name, {10});
        EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::DataFileBroken) << name;
        EXPECT_FALSE(IsPlainDataFileName(name)) << name;
    }
    // Dots inside a name keep the file in the folder.
    test::WriteFile(m_dir / "run..1.dta", std::vector<unsigned char>(8, 0));
    Build("run..1.dta", {10});
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::Ok);

    // A file holding its own frames names itself, whatever the name looks like.
    test::WriteFile(m_dir / "m.mcf", std::vector<unsigned char>(8, 0));
    Build("m.mcf", {10});
    m_description.Header()->filePath = m_dir / "m.mcf";
    m_description.DataFiles().front()->fileName = "..";
    EXPECT_EQ(ValidateDataFiles(m_description), MeasurementStatus::Ok);
}

}  // namespace
}  // namespace grafyon
