// Takes a screenshot of every page of the window, attached to the simulated unit with
// a few profiles, for docs/img/:
//   kest-shots <output folder>

#include "mainwindow.h"
#include "simhid.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    kestsim::UnitState s;
    s.version = "Mar  4 2024,09:30"; // firmware versions are dates, the day padded
    s.kept.deadzone = {3277, 62258, 0, 65535, 1311, 60948};
    s.kept.activeProfile = 0xEF020100;
    const std::pair<const char *, std::array<std::uint8_t, 7>> slots[] = {
        {"Progressive", {0, 1, 5, 15, 35, 60, 85}},
        {"Firm brake", {1, 2, 30, 55, 72, 86, 95}},
        {"Linear", {2, 3, 17, 33, 50, 67, 83}},
        {"Rain", {3, 3, 8, 20, 38, 58, 80}},
    };
    for (std::size_t i = 0; i < std::size(slots); ++i) {
        const std::string name = slots[i].first;
        s.kept.slots[i] = {kestsim::Bytes(name.begin(), name.end()), slots[i].second};
    }
    s.pedals = {18000, 42000, 27000};
    kestsim::unit().setState(s);
    kestsim::unit().setStreaming(true, 60);

    MainWindow window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.show();
    const char *names[] = {"inputs", "calibration", "profiles", "device", "about"};
    int page = -1;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (page >= 0)
            window.grab().save(out.filePath(QStringLiteral("%1.png").arg(names[page])));
        if (++page == 5) {
            app.quit();
            return;
        }
        window.findChild<QPushButton *>(QStringLiteral("pbS%1").arg(page + 1))->click();
    });
    QTimer::singleShot(1000, [&] { timer.start(700); });
    return app.exec();
}
