// Entry point of the viewer: platform choice, the application shell wired to the main
// window and the document, exit status.
#include <QApplication>

#include <string>
#include <utility>
#include <vector>

#include "viewer/app/display_platform.h"
#include "viewer/app/grafyon_app.h"
#include "viewer/app/termination_signals.h"
#include "viewer/frame/viewer_runtime.h"
#include "viewer_hooks.h"

int main(int argc, char** argv) {
    // Without a display the run is a batch run: Qt must not even try to connect to one.
    grafyon::ChooseQtPlatform();
    QApplication application(argc, argv);

    // Qt has taken its own options out of argv; the rest keeps its bytes as given.
    std::vector<std::string> parameters;
    for (int i = 1; i < argc; ++i)
        parameters.emplace_back(argv[i]);

    grafyon::TerminationSignals terminationSignals;

    // Settings, font, colors and the document outlive the application object, which
    // reaches them through the hooks. The main window's recent-file list is the
    // application's, so the hooks are connected once the application exists.
    grafyon::ViewerRuntime runtime;
    grafyon::CGrafyonApp app;
    app.Hooks() = grafyon::MakeViewerHooks(runtime, grafyon::FrameHooksOf(app));
    return app.Run(parameters);
}
