// The splash library: where it finds the branded picture, and that it never blocks.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QTest>

#include <filesystem>

#include "test_support.h"
#include "viewer/app/splash/glimrae.h"

namespace {

void WritePicture(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    QImage image(32, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString(path), "BMP"));
}

TEST(Glimrae, ReportsTheOemFileAndTheBrandedPicture) {
    grafyon::test::TempDir family;
    const std::string ini = family / "oem/OEMSPLASH.INI";
    GlimraeHandle handle = nullptr;
    ASSERT_EQ(GlimraeCreateObject(handle), GLIMRAE_OK);
    ASSERT_NE(handle, nullptr);

    int result = -1;
    EXPECT_EQ(
        GlimraeOemIniLoadAndSet(handle, ini, "Grafy", family.Path().string(), "Grafy.bmp", result),
        GLIMRAE_OK);
    EXPECT_EQ(result, 0);

    WritePicture(family / "Grafy.bmp");
    EXPECT_EQ(
        GlimraeOemIniLoadAndSet(handle, ini, "Grafy", family.Path().string(), "Grafy.bmp", result),
        GLIMRAE_OK);
    EXPECT_EQ(result, GLIMRAE_BITMAP_FOUND);

    std::filesystem::create_directories(family / "oem");
    grafyon::test::WriteTextFile(ini, "[Grafy]\n");
    EXPECT_EQ(
        GlimraeOemIniLoadAndSet(handle, ini, "Grafy", family.Path().string(), "Grafy.bmp", result),
        GLIMRAE_OK);
    EXPECT_EQ(result, GLIMRAE_INI_FOUND | GLIMRAE_BITMAP_FOUND);
}

TEST(Glimrae, NoBrandingWithoutAFamilyFolderOrWithAPathAsName) {
    grafyon::test::TempDir family;
    WritePicture(family / "Grafy.bmp");
    GlimraeHandle handle = nullptr;
    GlimraeCreateObject(handle);
    int result = -1;
    EXPECT_EQ(
        GlimraeOemIniLoadAndSet(handle, "/oem/OEMSPLASH.INI", "Grafy", "", "Grafy.bmp", result),
        GLIMRAE_OK);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(GlimraeOemIniLoadAndSet(handle, family / "oem/OEMSPLASH.INI", "Grafy",
                                      family.Path().string(), "../Grafy.bmp", result),
              GLIMRAE_OK);
    EXPECT_EQ(result, 0);
}

TEST(Glimrae, UnknownHandlesAreRefused) {
    int result = 0;
    EXPECT_EQ(GlimraeOemIniLoadAndSet(nullptr, "", "Grafy", "", "Grafy.bmp", result),
              GLIMRAE_BAD_HANDLE);
    EXPECT_EQ(GlimraeCreate(nullptr, "Grafy", 0, nullptr, 10), GLIMRAE_BAD_HANDLE);
    GlimraeObject* forged = reinterpret_cast<GlimraeObject*>(&result);
    EXPECT_EQ(GlimraeCreate(forged, "Grafy", 0, nullptr, 10), GLIMRAE_BAD_HANDLE);
    EXPECT_FALSE(GlimraeIsShowing(forged));
}

TEST(Glimrae, ShowsWithoutWaitingAndClosesByItself) {
    grafyon::test::TempDir family;
    for (bool branded : {false, true}) {
        // A damaged branded file falls back to the built-in picture.
        if (branded)
            grafyon::test::WriteTextFile(family / "Grafy.bmp", "not a picture");
        GlimraeHandle handle = nullptr;
        GlimraeCreateObject(handle);
        int result = 0;
        GlimraeOemIniLoadAndSet(handle, family / "oem/OEMSPLASH.INI", "Grafy",
                                family.Path().string(), "Grafy.bmp", result);
        EXPECT_EQ(result != 0, branded);
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(GlimraeCreate(handle, "Grafy", result, nullptr, 300), GLIMRAE_OK);
        EXPECT_LT(timer.elapsed(), 300);
        EXPECT_TRUE(GlimraeIsShowing(handle));
        QTRY_VERIFY_WITH_TIMEOUT(!GlimraeIsShowing(handle), 5000);
    }
}

}  // namespace
