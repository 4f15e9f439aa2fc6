// ZarleNET: the board window with a dealt game against the default personalities, until the
// start-up sequence with the player's profile comes.

#include "BoardOptions.h"
#include "GameWindow.h"
#include "SoundFiles.h"
#include "SoundSetUp.h"
#include "screen/ScreenMetrics.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <filesystem>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zarle::GameState game;
    game.AppPath = QCoreApplication::applicationDirPath().toStdString();
    std::filesystem::create_directories(std::filesystem::path(game.AppPath) / "Data");
    const QStringList args = QCoreApplication::arguments();
    std::vector<std::string> options;
    for (qsizetype i = 1; i < args.size(); ++i) options.push_back(args[i].toStdString());
    zarle::SetUpTable(game, zarle::ParseBoardOptions(options));
    zarle::SetUpSounds(game.AppPath);

    zarle::GameWindow window(game);
    const zarle::ScreenMetrics screen = zarle::ReadScreenMetrics();
    window.LayOut({screen.widthTwips, screen.heightTwips, screen.largeFonts});
    window.Window().show();
    // Closing the window ends every wait of the deal under way.
    QObject::connect(&app, &QApplication::lastWindowClosed, [&game] { game.StopWait = true; });
    QTimer::singleShot(0, [&window] { window.Deal(); });
    const int result = app.exec();
    zarle::DeleteTemporarySoundFiles(game.AppPath);
    return result;
}
