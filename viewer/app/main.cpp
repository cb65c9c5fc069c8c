// Entry point of the viewer: platform choice, application object, exit status.
#include <QApplication>

#include <string>
#include <utility>
#include <vector>

#include "viewer/app/display_platform.h"
#include "viewer/app/grafyon_app.h"
#include "viewer/app/termination_signals.h"

int main(int argc, char** argv) {
    // Without a display the run is a batch run: Qt must not even try to connect to one.
    grafyon::app::ChooseQtPlatform();
    QApplication application(argc, argv);

    // Qt has taken its own options out of argv; the rest keeps its bytes as given.
    std::vector<std::string> parameters;
    for (int i = 1; i < argc; ++i)
        parameters.emplace_back(argv[i]);

    grafyon::app::TerminationSignals terminationSignals;

    // The parts of the viewer connect here as they arrive (settings, document, export,
    // about box); an empty hook keeps the application's own stand-in.
    grafyon::app::GrafyonAppHooks hooks;

    grafyon::app::CGrafyonApp app(std::move(hooks));
    return app.Run(parameters);
}
