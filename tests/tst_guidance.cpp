// What the window adds to the form to explain itself: why it waits, what to do while a
// pedal calibrates, and the dark look of what the form does not paint itself.

#include "darklook.h"
#include "windowsupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QTimer>

using namespace testsupport;

class TestGuidance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }
    void cleanup()
    {
        kestsim::unit().setOpenDenied(false);
        kestsim::unit().plug();
    }

    void waitingSaysWhy();
    void calibrationSaysWhatToDo();
    void darkLookLeavesTheFormAsItIs();
};

void TestGuidance::waitingSaysWhy()
{
    auto &u = kestsim::unit();
    u.unplug();
    auto w = openWindow(false);
    w->show();
    auto *hint = child<QLabel>(w.get(), "lbWaitHint");
    QVERIFY(hint->isVisible());
    QVERIFY(hint->text().contains("lsusb"));
    QVERIFY(hint->wordWrap());
    // Inside the page, clear of the web address above it.
    QVERIFY(hint->parentWidget()->rect().contains(hint->geometry()));
    QVERIFY(!hint->geometry().intersects(child(w.get(), "label_3")->geometry()));

    u.plug();
    u.setOpenDenied(true);
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("cannot be opened"));
    QMetaObject::invokeMethod(w.get(), "onInit");
    QVERIFY(hint->text().contains("udev rule"));
    QVERIFY(hint->text().contains("/doc/kest-setting/linux.md"));

    u.setOpenDenied(false);
    QMetaObject::invokeMethod(w.get(), "onInit");
    TRY_COMPARE(currentPage(w.get()), 0);
    QVERIFY(hint->isHidden());
}

void TestGuidance::calibrationSaysWhatToDo()
{
    auto w = openWindow();
    w->show();
    QTest::mouseClick(child(w.get(), "pbS2"), Qt::LeftButton);
    auto *hint = child<QLabel>(w.get(), "lbCalHint");
    auto *save = child<QPushButton>(w.get(), "pbSave1");
    QVERIFY(hint->isHidden());
    save->click();
    QVERIFY(hint->isVisible());
    QVERIFY(hint->text().startsWith("BRAKE"));
    QVERIFY(hint->text().contains("no travel seen yet"));
    QVERIFY(save->toolTip().contains("SAVE"));
    // Below the buttons, covering none of them.
    for (const char *b : {"pbSave0", "pbSave1", "pbSave2"})
        QVERIFY(!hint->geometry().intersects(child(w.get(), b)->geometry()));

    startWatchNow(w.get());
    w->onJoystickEvent(QByteArray::fromHex("0000b80b0000")); // 3000
    w->onJoystickEvent(QByteArray::fromHex("000060ea0000")); // 60000
    QVERIFY2(hint->text().contains("3000 to 60000 (87 %)"), qPrintable(hint->text()));
    save->click();
    QVERIFY(hint->isHidden());
    QVERIFY(save->toolTip().isEmpty());
}

void TestGuidance::darkLookLeavesTheFormAsItIs()
{
    auto w = openWindow();
    auto *pages = child<QStackedWidget>(w.get(), "stackedWidget");
    QList<QImage> before;
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        before << w->grab().toImage();
    }
    const QPalette old = QApplication::palette();
    QStyle *oldStyle = QApplication::style();
    const QString oldStyleName = oldStyle->name();
    kest::applyDarkLook();
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QCOMPARE(w->grab().toImage(), before[i]);
    }
    // What the form does not paint takes the dark palette.
    auto *combo = child<QComboBox>(w.get(), "cbPro1");
    QVERIFY(combo->view()->palette().color(QPalette::Base).lightness() < 60);
    QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 60);
    QApplication::setPalette(old);
    QApplication::setStyle(oldStyleName);
}

QTEST_MAIN(TestGuidance)
#include "tst_guidance.moc"
