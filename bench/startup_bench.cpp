// Launch to first painted frame: the program's own set-up (Qt, the game, the main window, the
// start-up that loads every picture) until the window has painted the game's first picture; a
// paint of the window before the game drew on its screen picture (the bare grey) does not
// count. Run without arguments it starts itself RUNS times (default 11) with the prologue on
// (the default) and RUNS times with it off, and prints each phase's median in milliseconds,
// launch included, and the processor time used up to the first frame; `--once [off]` is one
// such run.
#include "qt_platform.h"
#include "sdl_sound.h"
#include "state/game.h"
#include "tkrn10.h"
#include "window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kDefaultRuns = 11;

// Stops the program after the first paint of the game's picture, printing the phases.
class FirstFrame : public QObject {
  public:
    FirstFrame(shell::TKRN10& window, QElapsedTimer& clock,
               std::vector<std::pair<const char*, qint64>>& marks)
        : window_(window), clock_(clock), marks_(marks) {
        window.screenWidget().installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint || done_)
            return false;
        // Let the paint run, then look whether it drew a picture.
        QTimer::singleShot(0, this, [this] {
            if (done_ || window_.screenWidget().picturesPainted() == 0)
                return;
            done_ = true;
            marks_.emplace_back("painted", clock_.elapsed());
            // The processor time of all threads so far: what a busy machine does not inflate.
            rusage used{};
            getrusage(RUSAGE_SELF, &used);
            const auto ms = [](const timeval& t) { return t.tv_sec * 1000 + t.tv_usec / 1000; };
            marks_.emplace_back("cpu", ms(used.ru_utime) + ms(used.ru_stime));
            for (const auto& [name, ms] : marks_)
                std::printf("%s %lld\n", name, static_cast<long long>(ms));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
        return false;
    }

  private:
    shell::TKRN10& window_;
    QElapsedTimer& clock_;
    std::vector<std::pair<const char*, qint64>>& marks_;
    bool done_ = false;
};

int once(int argc, char** argv, const char* gameFolder, bool prologue) {
    QElapsedTimer clock;
    clock.start();
    std::vector<std::pair<const char*, qint64>> marks;
    QApplication app(argc, argv);
    marks.emplace_back("qt", clock.elapsed());
    game::Game game;
    game.window = window::makeWindowModel();
    game.folders.game = gameFolder;
    game.folders.config = QDir::tempPath().toStdString() + "/gravenhold-bench-config";
    game.folders.save = QDir::tempPath().toStdString() + "/gravenhold-bench-save";
    QDir().mkpath(QString::fromStdString(game.folders.save));
    shell::QtPlatform platform;
    game.setPlatform(&platform);
    shell::SdlSound sound(game.folders.game);
    game.setSound(&sound);
    game.options.prologue = prologue; // the start-up plays the opening only when it is on
    shell::TKRN10 window(game, 1);
    platform.setOwner(&window);
    marks.emplace_back("window", clock.elapsed());
    FirstFrame watch(window, clock, marks);
    window.start();
    marks.emplace_back("start-up", clock.elapsed());
    return QApplication::exec();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Start this program `runs` times with --once; the launch counts from just before each start.
int measure(const QString& program, int runs, bool prologue) {
    std::map<std::string, std::vector<double>> phases;
    std::vector<std::string> order;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer launch;
        launch.start();
        QProcess child;
        QStringList arguments{QStringLiteral("--once")};
        if (!prologue)
            arguments << QStringLiteral("off");
        child.start(program, arguments);
        // The launch ends when the child says it painted, not when it has finished quitting.
        QByteArray said;
        qint64 total = -1;
        while (total < 0 && child.waitForReadyRead(20000)) {
            said += child.readAllStandardOutput();
            if (said.contains("painted"))
                total = launch.elapsed();
        }
        if (total < 0 || !child.waitForFinished(20000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed: %s\n", run,
                         child.readAllStandardError().constData());
            return 1;
        }
        said += child.readAllStandardOutput();
        for (const QByteArray& line : said.split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (words.size() != 2)
                continue;
            const std::string name = words[0].toStdString();
            if (run == 0)
                order.push_back(name);
            phases[name].push_back(words[1].toDouble());
        }
        phases["launch to first frame"].push_back(static_cast<double>(total));
    }
    order.push_back("launch to first frame");
    std::printf("prologue %s: median of %d runs, ms from the start of main (the last: from the "
                "launch)\n",
                prologue ? "on" : "off", runs);
    for (const std::string& name : order)
        std::printf("  %-22s %7.1f\n", name.c_str(), median(phases[name]));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--once") == 0) {
        const bool prologue = !(argc > 2 && std::strcmp(argv[2], "off") == 0);
        return once(argc, argv, GRAVENHOLD_GAME_DIR, prologue);
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultRuns;
    QCoreApplication app(argc, argv);
    for (const bool prologue : {true, false})
        if (const int failed = measure(QCoreApplication::applicationFilePath(), runs, prologue))
            return failed;
    return 0;
}
