#include "darklook.h"
#include "kestdevice.h"
#include "language.h"
#include "mainwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char *argv[])
{
#ifdef __GLIBC__
    // Blocks of a megabyte and more (a decoded pedal picture is 13.3 MB) come straight
    // from the system and go back to it when freed. Left to itself, glibc raises this
    // threshold after the first such block is freed, and the picture decoded at attach
    // then stays in the heap for good, in use or not.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    QApplication app(argc, argv);
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
    kest::applyDarkLook();
    // The system's language, or the one --lang names (docs/translations.md).
    kest::installTranslators(kest::languageArgument(QApplication::arguments()));
    MainWindow window;
    // Frameless already (the window makes itself so before building its form): the same
    // flags again leave the finished form alone.
    window.setWindowFlags(window.windowFlags() | Qt::FramelessWindowHint);
    window.show();
    return app.exec();
}
