// Takes a screenshot of every page of the window, attached to the simulated unit with
// a few profiles, for docs/img/:
//   kest-shots <output folder>
// then one of the focus mark on the sidebar, and four of tuning: a focused deadzone
// handle, a curve point moved with the keys, the curve editor's context menu and a
// refused paste (its box), with the pedals' live markers.

#include "darklook.h"
#include "kestaxis.h"
#include "kestslider.h"
#include "mainwindow.h"
#include "simhid.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

void key(QWidget *target, int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, code, modifiers);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kest::applyDarkLook(); // as the program has it, for the boxes and menus
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
    window.activateWindow();

    const auto save = [&](const char *name) {
        window.grab().save(out.filePath(QStringLiteral("%1.png").arg(QLatin1String(name))));
    };
    const auto page
        = [&](int n) { window.findChild<QPushButton *>(QStringLiteral("pbS%1").arg(n))->click(); };
    auto *brakeLow = window.findChild<KestSlider *>(QStringLiteral("lbDzL1"));
    auto *brakeCurve = window.findChild<KestAxis *>(QStringLiteral("ctAdc1"));

    // Each step saves what the previous one set up, then sets up the next.
    const std::vector<std::function<void()>> steps = {
        [&] { page(1); },
        [&] {
            save("inputs");
            page(2);
        },
        [&] {
            save("calibration");
            page(3);
        },
        [&] {
            save("profiles");
            page(4);
        },
        [&] {
            save("device");
            page(5);
        },
        [&] {
            save("about");
            page(1);
            // The focus mark, as the first Tabs from the start leave it.
            window.findChild<QWidget *>(QStringLiteral("pbS2"))->setFocus(Qt::TabFocusReason);
        },
        [&] {
            save("focus");
            window.findChild<QWidget *>(QStringLiteral("centralwidget"))->setFocus();
        },
        [&] {
            brakeLow->setFocus(Qt::TabFocusReason);
            key(brakeLow, Qt::Key_Right, Qt::ShiftModifier);
            key(brakeLow, Qt::Key_Right, Qt::ShiftModifier);
        },
        [&] {
            // The handles under the bars, twice their size.
            window.grab(QRect(170, 428, 660, 66))
                .scaled(1320, 132, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .save(out.filePath(QStringLiteral("deadzone-focus.png")));
            page(3);
            brakeCurve->setFocus(Qt::TabFocusReason);
            key(brakeCurve, Qt::Key_Right);
            key(brakeCurve, Qt::Key_Right);
            key(brakeCurve, Qt::Key_Up);
            key(brakeCurve, Qt::Key_Up);
        },
        [&] {
            save("curve-keys");
            // The menu runs its own event loop; the next step photographs it.
            QTimer::singleShot(0, brakeCurve, [&] {
                const QPoint at(150, 60);
                QContextMenuEvent event(QContextMenuEvent::Mouse, at, brakeCurve->mapToGlobal(at));
                QCoreApplication::sendEvent(brakeCurve, &event);
            });
        },
        [&] {
            // A popup is a window of its own: paint it over the window's picture.
            QImage shot = window.grab().toImage();
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                QPainter painter(&shot);
                painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
                painter.end();
                menu->close();
            }
            shot.save(out.filePath(QStringLiteral("curve-menu.png")));
        },
        [&] {
            QApplication::clipboard()->setText(QStringLiteral("kest-curve:10,20,30,40"));
            // The box runs its own event loop; the next step photographs it.
            QTimer::singleShot(0, brakeCurve, [&] { brakeCurve->pasteCurveOrSayWhy(); });
        },
        [&] {
            QImage shot = window.grab().toImage();
            QPainter painter(&shot);
            // The box that says why, centred over the window as the window manager puts it.
            QWidget *box = QApplication::activeModalWidget();
            if (box) {
                // A window's own background is the window system's to paint: filled here,
                // with the frame a window manager would draw.
                QPixmap boxShot(box->size());
                boxShot.fill(box->palette().color(QPalette::Window));
                box->render(&boxShot);
                const QRect at = QRect(QPoint(), boxShot.size())
                                     .translated(shot.rect().center() - boxShot.rect().center());
                painter.drawPixmap(at, boxShot);
                painter.setPen(QColor(112, 112, 112));
                painter.drawRect(at.adjusted(-1, -1, 0, 0));
            }
            painter.end();
            if (box)
                box->close();
            shot.save(out.filePath(QStringLiteral("curve-paste.png")));
        },
    };

    std::size_t next = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (next == steps.size()) {
            app.quit();
            return;
        }
        steps[next++]();
    });
    QTimer::singleShot(1000, [&] { timer.start(700); });
    return app.exec();
}
