// What the window adds to the form to explain itself: why it waits, what to do while a
// pedal calibrates, and the dark look of what the form does not paint itself.

#include "darklook.h"
#include "kestconfig.h"
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
    void pagesNameWhatTheyShow();
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

void TestGuidance::pagesNameWhatTheyShow()
{
    auto w = openWindow();
    // Each pedal's name centred over its column, covering nothing of the form.
    const char *const columns[][2] = {{"lbName%1", "lbAdcB%1"}, {"lbCalName%1", "pbSave%1"}};
    const QStringList pedals {"CLUTCH", "BRAKE", "THROTTLE"};
    for (const auto &c : columns)
        for (int p = 0; p < 3; ++p) {
            auto *title = child<QLabel>(w.get(), qPrintable(QString::fromLatin1(c[0]).arg(p)));
            QCOMPARE(title->text(), pedals[p]);
            QWidget *under = child(w.get(), qPrintable(QString::fromLatin1(c[1]).arg(p)));
            QVERIFY2(qAbs(title->geometry().center().x() - under->geometry().center().x()) <= 5,
                     qPrintable(title->objectName()));
            for (QWidget *other : title->parentWidget()->findChildren<QWidget *>()) {
                const bool backdrop = other->objectName().startsWith(QLatin1String("lbMain"));
                QVERIFY2(other == title || backdrop
                             || !other->geometry().intersects(title->geometry()),
                         qPrintable(title->objectName() + " covers " + other->objectName()));
            }
        }
    // The percent tags say what they are.
    QVERIFY(child(w.get(), "lbDzL1")->toolTip().startsWith("BRAKE low deadzone"));
    QVERIFY(child(w.get(), "lbDzR2")->toolTip().startsWith("THROTTLE high deadzone"));
    // ABOUT: this program's version, and where to report a problem.
    QVERIFY(child<QLabel>(w.get(), "lbProgramVersion")->text().endsWith(KEST_VERSION));
    QVERIFY(child<QLabel>(w.get(), "lbReport")->text().contains("guide.md"));
}

QTEST_MAIN(TestGuidance)
#include "tst_guidance.moc"
