#include "MappenApp.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    tavlen::MappenApp app(argc, argv);
    switch (app.claimInstance()) {
    case tavlen::SingleInstance::Role::Primary:
        break;
    case tavlen::SingleInstance::Role::Forwarded:
        return 0; // the running Tavlen shows its main window
    case tavlen::SingleInstance::Role::Failed:
        std::fputs(
            "tavlen: another Tavlen is running but does not answer, or the lock folder is not "
            "usable\n",
            stderr);
        return 1;
    }
    app.createServices();
    app.createScenes();
    return app.launch();
}
