#include "darklook.h"
#include "firstframework.h"
#include "kestconfig.h"
#include "kestdevice.h"
#include "kestunit.h"
#include "language.h"
#include "mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QScreen>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

const char kHelp[] = QT_TRANSLATE_NOOP(
    "kest-setting",
    "Usage: kest-setting [--lang CODE] [--trace FILE]\n"
    "Sets up the Kest Labs RM25 pedal set: the pedals live, deadzones, calibration,\n"
    "response curves, the profiles kept on the unit, and firmware updates.\n"
    "\n"
    "  --lang CODE   the language of the texts: de, fr, es, it, pt_BR, ja; en for English\n"
    "  --trace FILE  appends every exchange with the unit to FILE, for a problem report\n"
    "  --help        shows this help and ends\n"
    "  --version     shows the program's version and ends\n"
    "Qt's own options (such as -platform) are passed on to Qt.\n"
    "\n"
    "The settings live in the pedal unit. Before every change that cannot be undone\n"
    "(an import, a removal, clearing the flash, a firmware update) a backup of the\n"
    "unit's settings is saved in:\n"
    "  %1\n"
    "kestctl(1) does the same from a terminal.\n");

/// --help and --version are answered before the window's application object exists, so
/// that they need no display. Returns true when one of them was answered.
bool answeredOnTerminal(int argc, char *argv[])
{
    bool help = false;
    bool version = false;
    for (int i = 1; i < argc; ++i) {
        help = help || std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0;
        version = version || std::strcmp(argv[i], "--version") == 0;
    }
    if (!help && !version)
        return false;
    QCoreApplication app(argc, argv);
    if (version) {
        std::printf("kest-setting %s\n", KEST_VERSION);
        return true;
    }
    kest::installTranslators(kest::languageArgument(QCoreApplication::arguments()));
    const QString text = QCoreApplication::translate("kest-setting", kHelp)
                             .arg(QDir::toNativeSeparators(kest::backupFolder()));
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return true;
}

// The form's fixed size, in device-independent pixels.
constexpr int kFormWidth = 900;
constexpr int kFormHeight = 500;

/// The scale at which the window's 900 x 500 form fits the primary screen's free area
/// whole, when at the user's scale it would not: then its close button or its sidebar
/// would be off the screen, and a window of fixed size cannot be made smaller. Nothing
/// when it fits.
std::optional<double> scaleThatFits()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    const QSize free = screen->availableGeometry().size(); // at the scale in force
    const double fit
        = std::min(free.width() / double(kFormWidth), free.height() / double(kFormHeight));
    if (fit >= 1.0)
        return std::nullopt;
    bool set = false;
    const double user = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    // Down to the hundredth, so that rounding never leaves it a pixel too large.
    return std::floor((set && user > 0 ? user : 1.0) * fit * 100) / 100;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredOnTerminal(argc, argv))
        return 0;
#ifdef __GLIBC__
    // Blocks of 128 KB and more come straight from the system and go back to it when
    // freed: every picture, decoded or drawn (a pedal picture decodes to 13.3 MB, the
    // header band to 1 MB, a drawn backdrop is 0.9 MB). Left to itself, glibc raises this
    // threshold after the first such block is freed, and a picture let go after the first
    // frame (the header band and the about picture, drawn again at their labels' size)
    // would leave a hole in the heap that stays resident for good.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
    // The locale the application object sets first thing, set before the thread below
    // starts: fontconfig reads the numbers of its configuration by it, and it must not
    // change under that thread.
    std::setlocale(LC_ALL, "");
    // Beside the application object's start: what the first frame needs and it does not.
    FirstFrameWork ahead(kest::firstFramePictures());
    // Qt takes its own options out of the arguments: a second start needs them again.
    std::vector<char *> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    auto app = std::make_unique<QApplication>(argc, argv);
    if (const auto scale = scaleThatFits()) {
        ahead.wait();
        app.reset();
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*scale));
        argc = int(arguments.size()) - 1;
        argv = arguments.data();
        app = std::make_unique<QApplication>(argc, argv);
    }
    // --trace FILE: every exchange with the unit is appended to FILE, for a problem report
    // that can be replayed against the simulated unit.
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--trace") != 0)
            continue;
        QString error;
        if (!kest::deviceTrace(QString::fromLocal8Bit(argv[i + 1]), &error)) {
            std::fprintf(stderr, "kest-setting: %s\n", qPrintable(error));
            return 2;
        }
    }
    ahead.finish();
    kest::applyDarkLook();
    // The system's language, or the one --lang names (docs/translations.md).
    kest::installTranslators(kest::languageArgument(QApplication::arguments()));
    // ABOUT alone before the first frame; the other pages follow it.
    MainWindow window(nullptr, MainWindow::PageBuilding::AfterFirstFrame);
    // Frameless already (the window makes itself so before building its form): the same
    // flags again leave the finished form alone.
    window.setWindowFlags(window.windowFlags() | Qt::FramelessWindowHint);
    window.show();
    return QApplication::exec();
}
