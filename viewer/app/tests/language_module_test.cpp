// The built language modules: loadable, complete, and checked by version.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include <cstdlib>

#include "test_support.h"
#include "viewer/app/language_module.h"
#include "viewer/app/language_selection.h"
#include "viewer/app/viewer_strings.h"

namespace grafyon {
namespace {

std::string BinDir() {
    const char* dir = std::getenv("GRAFYON_BIN_DIR");
    return dir ? dir : GRAFYON_BIN_DIR_DEFAULT;
}

TEST(LanguageModuleFiles, TheGermanModuleFitsTheExecutableTheStaleOneDoesNot) {
    const std::string executable = BinDir() + "/Grafyon";
    EXPECT_EQ(CheckLanguageModule(executable, BinDir() + "/Grafyon.DEU"), LanguageCheck::Usable);
    EXPECT_EQ(CheckLanguageModule(executable, GRAFYON_STALE_MODULE), LanguageCheck::OutOfDate);
    EXPECT_EQ(ModuleVersionText(executable), ModuleVersionText(BinDir() + "/Grafyon.DEU"));
    EXPECT_NE(ModuleVersionText(executable), ModuleVersionText(GRAFYON_STALE_MODULE));
}

TEST(LanguageModuleFiles, EveryViewerStringHasAGermanText) {
    LanguageModule module;
    ASSERT_TRUE(module.Load(BinDir() + "/Grafyon.DEU"));
    ASSERT_FALSE(module.TranslationData().empty());
    QTranslator translator;
    ASSERT_TRUE(translator.load(reinterpret_cast<const uchar*>(module.TranslationData().data()),
                                static_cast<int>(module.TranslationData().size())));
    for (const ViewerStringEntry& entry : ViewerStringTable()) {
        const QString german =
            translator.translate(VIEWER_STRINGS_CONTEXT, QByteArray::number(entry.id).constData());
        EXPECT_FALSE(german.isEmpty()) << entry.id;
        // Placeholders must survive the translation.
        for (const char* marker : {"%1", "%2"}) {
            EXPECT_EQ(german.contains(marker), QString::fromUtf8(entry.english).contains(marker))
                << entry.id << " " << marker;
        }
    }
}

TEST(ViewerStrings, EnglishBuiltInGermanThroughTheInstalledTranslator) {
    EXPECT_EQ(ViewerString(GRAFY_STR_LANGUAGE_MISSING),
              "Requested language does not exist! Using standard language.");
    EXPECT_EQ(ViewerString(GRAFY_STR_LANGUAGE_OUT_OF_DATE),
              "Requested language not up to date! Using standard language.");
    EXPECT_EQ(
        ViewerString(GRAFY_STR_OLE_INIT_FAILED),
        "OLE initialization failed.  Make sure that the OLE libraries are the correct version.");
    EXPECT_EQ(ViewerString(GRAFY_STR_OPEN_FILTER),
              "Vantorelline-Files (*.mcf;*.mdf,*.tks)|*.mcf;*.mdf;*.tks||");
    EXPECT_EQ(ViewerString(GRAFY_STR_DOC_TEMPLATE),
              "Grafy\n\nNew\nData files (*.mcf)\n.mcf\nGrafyon.Document\nData file");
    EXPECT_TRUE(ViewerString(99999).isEmpty());

    LanguageModule module;
    ASSERT_TRUE(module.Load(BinDir() + "/Grafyon.DEU"));
    QTranslator translator;
    ASSERT_TRUE(translator.load(reinterpret_cast<const uchar*>(module.TranslationData().data()),
                                static_cast<int>(module.TranslationData().size())));
    QCoreApplication::installTranslator(&translator);
    const QString german = ViewerString(GRAFY_STR_LANGUAGE_MISSING);
    const QString template128 = ViewerString(GRAFY_STR_DOC_TEMPLATE);
    QCoreApplication::removeTranslator(&translator);
    EXPECT_NE(german, ViewerStringEnglish(GRAFY_STR_LANGUAGE_MISSING));
    EXPECT_TRUE(german.contains(QString::fromUtf8("Sprache"))) << german.toStdString();
    EXPECT_TRUE(template128.startsWith("Grafy\n\nNeu\n")) << template128.toStdString();
    EXPECT_EQ(ViewerString(GRAFY_STR_LANGUAGE_MISSING),
              ViewerStringEnglish(GRAFY_STR_LANGUAGE_MISSING));
}

}  // namespace
}  // namespace grafyon
