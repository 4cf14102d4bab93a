// The window with the keyboard: a focus mark wherever focus is, a Tab order that follows
// the screen, the curve menu from the keyboard, a refused paste that says why, and a
// disabled look on what the program disables.

#include "kestaxis.h"
#include "keyboardlook.h"
#include "windowsupport.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionButton>
#include <QtMath>

using namespace testsupport;

namespace {

const QColor PAGE(26, 25, 25);

double luminance(QColor c)
{
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : qPow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QImage shot(QWidget *window)
{
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

/// The controls a Tab reaches now, in the order it reaches them from the window.
QStringList tabChain(QWidget *window)
{
    QStringList names;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible()
            && w->isEnabled())
            names << w->objectName();
    return names;
}

/// Runs `whileOpen` on the context menu once it is up, then closes it.
void onMenu(const std::function<void(QMenu *)> &whileOpen)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, whileOpen] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->stop();
        poll->deleteLater();
        whileOpen(menu);
        menu->close();
    });
    poll->start(10);
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(unitInUse()); }

    void tabFollowsTheScreen();
    void focusMarkShowsWhereFocusIs();
    void unfocusedWindowLooksAsTheFormDraws();
    void disabledLooksDisabled();
    void returnPressesTheFocusedButton();
    void curveMenuOpensFromTheKeyboard();
    void refusedPasteSaysWhy();
};

void TestKeyboard::tabFollowsTheScreen()
{
    auto w = openWindow();
    w->show();
    const QStringList sidebar {"pbS1", "pbS2", "pbS3", "pbS4", "pbS5"};
    // Each page left to right, top to bottom; the close button last, after the page.
    const QList<QStringList> pages {
        {"cbClutch", "lbDzL0", "lbDzR0", "lbDzL1", "lbDzR1", "lbDzL2", "lbDzR2"},
        {"pbSave0", "pbSave1", "pbSave2"},
        {"ctAdc0", "ctAdc1", "ctAdc2", "cbPro0", "cbPro1", "cbPro2", "pbSavePro0", "pbSavePro1",
         "pbSavePro2", "pbDelPro0", "pbDelPro1", "pbDelPro2", "pbImport", "pbExport"},
        {"lePath", "pbPath", "pbAutoUpgrade", "pbUpgrade", "pbClearFlash"},
        {},
    };
    auto *stack = child<QStackedWidget>(w.get(), "stackedWidget");
    for (int i = 0; i < pages.size(); ++i) {
        stack->setCurrentIndex(i);
        QCOMPARE(tabChain(w.get()), sidebar + pages[i] + QStringList {"pbClose"});
    }

    // And a real Tab from the window's start: nothing focused, then INPUTS.
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), child(w.get(), "centralwidget"));
    QTest::keyClick(w.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child(w.get(), "pbS1"));
    // A click does not move the focus to a button, nor show the mark there.
    QTest::mouseClick(child(w.get(), "pbS3"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), child(w.get(), "pbS1"));
}

void TestKeyboard::focusMarkShowsWhereFocusIs()
{
    auto w = openWindow();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    auto *stack = child<QStackedWidget>(w.get(), "stackedWidget");
    // Every kind of control: outline (sidebar, checked and not; DEVICE), filled, combo,
    // switch, path field, close.
    const QList<QPair<int, QStringList>> cases {
        {0, {"pbS1", "pbS2", "cbClutch", "pbClose"}},
        {1, {"pbSave1"}},
        {2, {"cbPro1", "pbDelPro2", "pbImport"}},
        {3, {"lePath", "pbPath", "pbAutoUpgrade", "pbClearFlash"}},
    };
    for (const auto &c : cases) {
        stack->setCurrentIndex(c.first);
        for (const QString &name : c.second) {
            child(w.get(), "centralwidget")->setFocus();
            const QImage before = shot(w.get());
            QWidget *control = child(w.get(), qPrintable(name));
            control->setFocus(Qt::TabFocusReason);
            QVERIFY(control->hasFocus());
            const QImage after = shot(w.get());
            const QRect area(control->mapTo(w.get(), QPoint()), control->size());
            int changed = 0;
            double best = 0;
            for (int y = 0; y < after.height(); ++y)
                for (int x = 0; x < after.width(); ++x) {
                    if (after.pixel(x, y) == before.pixel(x, y))
                        continue;
                    QVERIFY2(area.contains(x, y), qPrintable(name + " changed outside itself"));
                    ++changed;
                    best = qMax(best, contrast(after.pixelColor(x, y), PAGE));
                }
            // A ring of two pixels at least along the control's width, standing out
            // against the dark page.
            QVERIFY2(changed >= 2 * control->width(), qPrintable(name));
            QVERIFY2(best >= 3.0, qPrintable(QStringLiteral("%1: %2").arg(name).arg(best)));
        }
    }
    QVERIFY(contrast(kest::focusMarkColour(), PAGE) >= 9.0);
}

void TestKeyboard::unfocusedWindowLooksAsTheFormDraws()
{
    // Nothing focused, nothing disabled: the added rules change no pixel of any page.
    auto w = openWindow();
    w->show();
    auto *stack = child<QStackedWidget>(w.get(), "stackedWidget");
    QList<QImage> withRules;
    for (int i = 0; i < stack->count(); ++i) {
        stack->setCurrentIndex(i);
        withRules << shot(w.get());
    }
    int stripped = 0;
    for (QWidget *c : w->findChildren<QWidget *>()) {
        const int at = c->styleSheet().indexOf(kest::keyboardLookMarker());
        if (at >= 0) {
            c->setStyleSheet(c->styleSheet().left(at));
            ++stripped;
        }
    }
    QVERIFY(stripped >= 25);
    for (int i = 0; i < stack->count(); ++i) {
        stack->setCurrentIndex(i);
        QCOMPARE(shot(w.get()), withRules[i]);
    }
}

void TestKeyboard::disabledLooksDisabled()
{
    auto w = openWindow();
    w->show();
    // The sidebar while waiting, CHECK UPDATE while it checks, and the other kinds the
    // program may disable.
    child(w.get(), "stackedWidget")->setProperty("currentIndex", 3);
    for (const char *name : {"pbS2", "pbS4", "pbAutoUpgrade", "pbSave1", "pbDelPro1", "cbPro1",
                             "cbClutch", "lePath"}) {
        QWidget *control = child(w.get(), name);
        const QImage enabled = control->grab().toImage();
        control->setEnabled(false);
        const QImage disabled = control->grab().toImage();
        control->setEnabled(true);
        QVERIFY2(disabled != enabled, name);
    }
    // Under the mouse an outline button's text greys a little, as the form has it; its
    // outline turns white, where a disabled one's dims.
    for (const char *name : {"pbS2", "pbAutoUpgrade"}) {
        auto *button = child<QPushButton>(w.get(), name);
        const QPoint edge(0, button->height() / 2);
        // Drawn as the style draws the button under the mouse.
        QStyleOptionButton option;
        option.initFrom(button);
        option.state |= QStyle::State_MouseOver;
        QImage drawn(button->size(), QImage::Format_RGB32);
        drawn.fill(PAGE);
        {
            QPainter painter(&drawn);
            button->style()->drawControl(QStyle::CE_PushButton, &option, &painter, button);
        }
        const QColor hovered = drawn.pixelColor(edge);
        button->setEnabled(false);
        const QColor disabled = button->grab().toImage().pixelColor(edge);
        button->setEnabled(true);
        QVERIFY2(contrast(hovered, PAGE) >= 9.0, name);
        QVERIFY2(contrast(disabled, PAGE) < 3.0, name);
    }
}

void TestKeyboard::returnPressesTheFocusedButton()
{
    // Return and Enter press the focused button as Space does, once per press; a disabled
    // button stays unpressed.
    auto w = openWindow();
    w->show();
    auto *button = child<QPushButton>(w.get(), "pbS5");
    QSignalSpy clicked(button, &QPushButton::clicked);
    button->setFocus(Qt::TabFocusReason);
    QTest::keyClick(button, Qt::Key_Return);
    QTRY_COMPARE(clicked.count(), 1);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(clicked.count(), 2);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
    button->setEnabled(false);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Space);
    button->setEnabled(true);
    QCOMPARE(clicked.count(), 2);
}

void TestKeyboard::curveMenuOpensFromTheKeyboard()
{
    auto w = openWindow();
    w->show();
    child<QPushButton>(w.get(), "pbS3")->click();
    auto *curve = child<KestAxis>(w.get(), "ctAdc1");
    curve->setFocus(Qt::TabFocusReason);
    QTest::keyClick(curve, Qt::Key_Right);
    QTest::keyClick(curve, Qt::Key_Right);
    const double x = (curve->chosenPoint() + 1) * 100.0 / 6;
    QVERIFY(curve->chosenPoint() > 0);

    // Shift+F10, and the Menu key (the platform turns it into a keyboard context menu
    // event): both open the menu beside the chosen point.
    const QPoint point
        = curve->mapToGlobal(KestAxis::toScreen(QPointF(x, curve->valueAt(x))).toPoint());
    for (int way = 0; way < 2; ++way) {
        QPoint at(-1000, -1000);
        QStringList texts;
        onMenu([&](QMenu *menu) {
            at = menu->pos();
            for (QAction *a : menu->actions())
                texts << a->text();
        });
        if (way == 0) {
            QTest::keyClick(curve, Qt::Key_F10, Qt::ShiftModifier);
        } else {
            QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(),
                                    curve->mapToGlobal(QPoint()));
            QCoreApplication::sendEvent(curve, &event);
        }
        QVERIFY2(texts.contains("Paste curve"), qPrintable(texts.join(',')));
        QVERIFY2((at - point).manhattanLength() < 40,
                 qPrintable(QStringLiteral("%1,%2 for %3,%4")
                                .arg(at.x())
                                .arg(at.y())
                                .arg(point.x())
                                .arg(point.y())));
    }
}

void TestKeyboard::refusedPasteSaysWhy()
{
    auto w = openWindow();
    w->show();
    auto *curve = child<KestAxis>(w.get(), "ctAdc0");
    const QByteArray before = curve->curve();
    DialogCatcher dialogs;
    QGuiApplication::clipboard()->setText(QStringLiteral("kest-curve:10,20,30,40"));
    onMenu([](QMenu *menu) {
        for (QAction *a : menu->actions())
            if (a->text() == QLatin1String("Paste curve"))
                a->trigger();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(50, 50),
                            curve->mapToGlobal(QPoint(50, 50)));
    QCoreApplication::sendEvent(curve, &event);
    QCOMPARE(curve->curve(), before);
    QCOMPARE(int(dialogs.requests.size()), 1);
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Information);
    QCOMPARE(dialogs.requests[0].text,
             QStringLiteral("Not a curve: it has 4 numbers, a curve has five."));

    // A curve pastes without a word.
    QGuiApplication::clipboard()->setText(QStringLiteral("kest-curve:10,20,30,40,50"));
    QVERIFY(curve->pasteCurveOrSayWhy());
    QCOMPARE(int(dialogs.requests.size()), 1);
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
