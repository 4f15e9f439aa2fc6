// ZarleNET: loading the board window starts the program; closing it ends it.

#include "board/GameWindow.h"
#include "app/StartUpMarker.h"

#include <QApplication>
#include <QStringList>

namespace {

// The arguments after the program's name, as one command line.
std::string CommandLineOf(const QStringList& arguments) {
    return arguments.mid(1).join(' ').toStdString();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zarle::ReportWelcomeShownWhenAsked(app);
    zarle::GameState game;
    zarle::ProfileState profile;
    game.AppPath = QCoreApplication::applicationDirPath().toStdString();
    zarle::GameWindow window(game, profile);
    switch (window.Start({CommandLineOf(QCoreApplication::arguments())})) {
    case zarle::StartOutcome::Running: return app.exec();
    case zarle::StartOutcome::AlreadyRunning: return 0;
    default: return 1;
    }
}
