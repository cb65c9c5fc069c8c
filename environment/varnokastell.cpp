// Exported functions of the environment library.
#include "varnokastell.h"

#include <QApplication>

#include <memory>

#include "common/version_query.h"
#include "environment_core.h"
#include "environment_strings.h"
#include "ui/workspace_dialog.h"

int VarnokastellInitial(int, int, int) {
    grafyon::environment::Initial();
    return 0;
}

int VarnokastellGetProperty(int, int property, std::string& value) {
    return grafyon::environment::GetProperty(property, value);
}

int VarnokastellEdit(int, int, int) {
    // A host without a Qt application of its own still gets the dialog.
    std::unique_ptr<QApplication> ownApp;
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "Varnokastell";
        static char* argv[] = {name, nullptr};
        ownApp = std::make_unique<QApplication>(argc, argv);
    }
    grafyon::environment::WorkspaceDialog dialog(QApplication::activeWindow());
    dialog.exec();
    return 0;
}

int CheckAndCreateDirectory(const char* subkey, const char* valueName, const char* defaultBase) {
    grafyon::environment::CheckAndCreateDirectory(subkey, valueName, defaultBase);
    return 0;
}

void VarnokastellVersion(std::string& name, int& major, int& minor, int& build,
                         std::string& buildDate) {
    name = VarnokastellString(VRNK_STR_NAME);
    grafyon::QueryModuleVersion(
        grafyon::ModulePathOf(reinterpret_cast<const void*>(&VarnokastellVersion)), 0, major, minor,
        build, buildDate);
}
