#pragma once

// Helpers for tests that drive the real window against the simulated unit.

#include "kestmessage.h"
#include "mainwindow.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmapCache>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include <memory>

namespace testsupport {

/// Window tests never block on a dialog: one nobody expected is answered with OK (No
/// for a question, nothing for a file dialog) and fails the test with its text.
inline KestMessage::Answer unexpectedDialog(const KestMessage::Request &r)
{
    QTest::qFail(qPrintable(QStringLiteral("unexpected dialog: ") + r.text), __FILE__, __LINE__);
    KestMessage::Answer a;
    a.button = QMessageBox::No;
    return a;
}

inline const bool g_unexpectedDialogsAnswered = [] {
    KestMessage::setHandler(unexpectedDialog);
    return true;
}();

/// Answers every message box and file dialog, and remembers what was asked.
class DialogCatcher
{
public:
    DialogCatcher()
    {
        KestMessage::setHandler([this](const KestMessage::Request &r) {
            requests.push_back(r);
            KestMessage::Answer a;
            a.button = button;
            if (!fileNames.isEmpty())
                a.fileName = fileNames.takeFirst();
            return a;
        });
    }
    ~DialogCatcher() { KestMessage::setHandler(unexpectedDialog); }

    QStringList texts() const
    {
        QStringList out;
        for (const auto &r : requests)
            out << r.text;
        return out;
    }

    std::vector<KestMessage::Request> requests;
    QMessageBox::StandardButton button = QMessageBox::Ok; ///< answer to questions
    QStringList fileNames; ///< answers to file dialogs, in order
};

template<typename T = QWidget> T *child(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no widget named %s", name);
    return w;
}

inline int currentPage(QWidget *window)
{
    return child<QStackedWidget>(window, "stackedWidget")->currentIndex();
}

inline QString headText(QWidget *window)
{
    return child<QLabel>(window, "lbHead")->text();
}

/// A window attached to the simulated unit (or waiting when it is unplugged). It is not
/// shown: the tests check what its widgets hold, and painting it at every change would
/// cost more than most tests do. A test of what is on screen calls show().
inline std::unique_ptr<MainWindow> openWindow(bool expectAttach = true)
{
    // Room for both pedal pictures (13.6 MB each, decoded) for the whole test program.
    // The window keeps room for one only and lets the other go; with a window or two in
    // every test, each attach would decode a picture again.
    constexpr int kBothPicturesKb = 10 * 1024 + 2 * 2303 * 1479 * 4 / 1024;
    QPixmapCache::setCacheLimit(qMax(QPixmapCache::cacheLimit(), kBothPicturesKb));
    auto w = std::make_unique<MainWindow>();
    w->setWindowFlags(Qt::FramelessWindowHint);
    if (expectAttach) {
        if (!waitFor([&] { return currentPage(w.get()) == 0; }, 5000))
            qWarning("window did not attach");
    } else {
        if (!waitFor(
                [&] {
                    return currentPage(w.get()) == 4
                        && headText(w.get()).startsWith(QLatin1String("WAITING"));
                },
                5000))
            qWarning("window did not start waiting");
    }
    return w;
}

/// Runs the waiting state's next attach attempt now instead of after its 3000 ms.
inline void retryNow(QWidget *window)
{
    auto *retry = window->findChild<QTimer *>(QStringLiteral("retryTimer"));
    if (!retry || !retry->isActive())
        qFatal("the window is not waiting to retry");
    retry->stop();
    QMetaObject::invokeMethod(window, "onInit");
}

/// Starts the calibration watch now instead of 500 ms after the CALIBRATE click.
inline void startWatchNow(QWidget *window)
{
    auto *wait = window->findChild<QTimer *>(QStringLiteral("calWaitTimer"));
    if (!wait || !wait->isActive())
        qFatal("no calibration is about to start its watch");
    wait->stop();
    QMetaObject::invokeMethod(window, "onCalibrateWait");
}

/// Sends a mouse event with both positions given, as a real drag delivers them. The
/// global position is exact (mapToGlobal would round it to whole pixels).
inline void sendMouse(QWidget *target, QEvent::Type type, QPointF local, Qt::MouseButton button,
                      Qt::MouseButtons buttons)
{
    const QPointF global = QPointF(target->mapToGlobal(QPoint(0, 0))) + local;
    QMouseEvent e(type, local, local, global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

/// Drags a widget by `dx` pixels along x in steps, then releases it.
inline void dragBy(QWidget *target, int dx, int step = 1)
{
    const QPointF start(target->width() / 2.0, target->height() / 2.0);
    sendMouse(target, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
    // Positions stay relative to where the drag began, as the pointer moves on screen
    // while the widget follows it.
    const QPointF origin = target->mapToGlobal(start);
    int moved = 0;
    while (moved != dx) {
        moved += dx > 0 ? std::min(step, dx - moved) : std::max(-step, dx - moved);
        const QPointF global = origin + QPointF(moved, 0);
        const QPointF local = target->mapFromGlobal(global);
        QMouseEvent e(QEvent::MouseMove, local, local, global, Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(target, &e);
    }
    const QPointF global = origin + QPointF(moved, 0);
    const QPointF local = target->mapFromGlobal(global);
    QMouseEvent e(QEvent::MouseButtonRelease, local, local, global, Qt::LeftButton, Qt::NoButton,
                  Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

} // namespace testsupport
