// Entry point of the viewer: platform choice, application object, exit status.
#include <QApplication>

#include <string>
#include <utility>
#include <vector>

#include "viewer/app/display_platform.h"
#include "viewer/app/grafyon_app.h"
#include "viewer/app/termination_signals.h"
#include "viewer/frame/viewer_runtime.h"

int main(int argc, char** argv) {
    // Without a display the run is a batch run: Qt must not even try to connect to one.
    grafyon::app::ChooseQtPlatform();
    QApplication application(argc, argv);

    // Qt has taken its own options out of argv; the rest keeps its bytes as given.
    std::vector<std::string> parameters;
    for (int i = 1; i < argc; ++i)
        parameters.emplace_back(argv[i]);

    grafyon::app::TerminationSignals terminationSignals;

    // Settings, font, colours and the document outlive the application object, which
    // reaches them through the hooks.
    grafyon::ViewerRuntime runtime;
    grafyon::app::CGrafyonApp app(grafyon::MakeViewerHooks(runtime));
    return app.Run(parameters);
}
