// Exported functions of the about library over its process-wide settings.
#include "brisel.h"

#include <QApplication>

#include <exception>
#include <memory>

#include "about_strings.h"
#include "brisel_settings.h"
#include "ui/brisel_sheet.h"

namespace {

grafyon::about::BriselSettings& Settings() {
    static grafyon::about::BriselSettings settings;
    return settings;
}

std::string TextOf(const char* text) {
    return text ? text : "";
}

}  // namespace

void BriselSetVersionPage(const char* program, int major, int minor, int build, const char* date,
                          BriselModuleCallback callback, void* user) {
    auto& settings = Settings();
    settings.versionPage = true;
    settings.program = TextOf(program);
    settings.major = major;
    settings.minor = minor;
    settings.build = build;
    settings.date = TextOf(date);
    settings.moduleCallback = callback;
    settings.moduleUser = user;
}

void BriselSetOptionPage(BriselOptionCallback callback, void* user) {
    auto& settings = Settings();
    settings.optionPage = true;
    settings.optionCallback = callback;
    settings.optionUser = user;
}

void BriselSetSystemPage() {
    Settings().systemPage = true;
}

void BriselSetLogfilePage(BriselSettingsCallback callback, void* user) {
    auto& settings = Settings();
    settings.logfilePage = true;
    settings.settingsCallback = callback;
    settings.settingsUser = user;
}

int BriselSetOEMFiles(const char* addressIni, const char* smallBitmap, const char* largeBitmap) {
    auto& settings = Settings();
    if (addressIni)
        settings.oemAddressFile = addressIni;
    if (smallBitmap)
        settings.oemSmallBitmap = smallBitmap;
    if (largeBitmap)
        settings.oemLargeBitmap = largeBitmap;
    return 0;
}

int BriselDoModal(const QPixmap* picture) {
    try {
        // A host without a Qt application of its own still gets the box.
        std::unique_ptr<QApplication> ownApp;
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "Brisel";
            static char* argv[] = {name, nullptr};
            ownApp = std::make_unique<QApplication>(argc, argv);
        }
        grafyon::about::ModuleRow library;
        BriselFilterVersion(library.name, library.major, library.minor, library.build,
                            library.date);
        grafyon::about::CBriselSheet sheet(Settings(), library, picture,
                                           QApplication::activeWindow());
        return sheet.exec() == QDialog::Accepted ? BRISEL_IDOK : BRISEL_IDCANCEL;
    } catch (const std::exception&) {
        return BRISEL_IDCANCEL;
    }
}

int BriselGetInterfaceVersion() {
    return BRISEL_INTERFACE_VERSION;
}
