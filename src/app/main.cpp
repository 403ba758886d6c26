#include "CommandLine.h"
#include "MappenApp.h"

#include <iostream>

int main(int argc, char* argv[]) {
    if (const std::optional<int> exitCode =
            tavlen::answerCommandLine(argc, argv, std::cout, std::cerr))
        return *exitCode;
    tavlen::MappenApp app(argc, argv);
    switch (app.claimInstance()) {
    case tavlen::SingleInstance::Role::Primary:
        break;
    case tavlen::SingleInstance::Role::Forwarded:
        return 0; // the running Tavlen shows its main window
    case tavlen::SingleInstance::Role::Failed:
        return 1; // the reason is logged
    }
    app.createServices();
    app.createScenes();
    return app.launch();
}
