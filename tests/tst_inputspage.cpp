// The INPUTS and CALIBRATION pages against the simulated unit.

#include "firstframework.h"
#include "kestbackdrops.h"
#include "kestslider.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QPixmap>
#include <QPixmapCache>
#include <QProgressBar>
#include <QResource>

using namespace testsupport;

namespace {

kestsim::UnitState unitWithDeadzones(std::array<std::uint16_t, 6> deadzone, bool clutch = true)
{
    kestsim::UnitState s;
    s.kept.deadzone = deadzone;
    s.kept.pedalMode = clutch ? 1 : 0;
    s.kept.calibration = {100, 65000, 200, 64000, 300, 63000};
    return s;
}

int handle(QWidget *w, const char *name)
{
    return child<KestSlider>(w, name)->value();
}

} // namespace

class TestInputsPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { freshUnit(); }
    void cleanup() { kestsim::unit().plug(); }

    void livePositions();
    void deadzonesFromTheUnit();
    void releasingAHandleWritesTheTable();
    void clutchOffSendsNoClutchDeadzone();
    void clutchSwitch();
    void calibrationStoresWatchedBounds_data();
    void calibrationStoresWatchedBounds();
    void oneCalibrationAtATime();
    void calibrationWithoutTravelIsRefused_data();
    void calibrationWithoutTravelIsRefused();
    void attachResetsACalibrationUnderWay();
    void backdropsDrawnAsTheStyleSheetsDraw_data();
    void backdropsDrawnAsTheStyleSheetsDraw();
    void firstFramePicturesDrawnAsTheStyleSheetsDraw();
    void aNewFormFindsBothPedalPicturesDrawn();

private:
    QList<QByteArray> bundleBytes; ///< the pedal pictures' bytes before any was decoded
};

void TestInputsPage::initTestCase()
{
    for (const QString &path : KestBackdrops::paths())
        bundleBytes.append(QResource(path).uncompressedData());
}

void TestInputsPage::livePositions()
{
    auto w = openWindow();
    kestsim::unit().setPedals(1, 30000, 65535);
    TRY_COMPARE(child<QLabel>(w.get(), "lbAdc2")->text(), QStringLiteral("65535"));
    QCOMPARE(child<QLabel>(w.get(), "lbAdc0")->text(), QStringLiteral("1"));
    QCOMPARE(child<QProgressBar>(w.get(), "pgAdc1")->value(), 30000);
    QCOMPARE(child<QProgressBar>(w.get(), "pgAdc2")->value(), 65535);
    QCOMPARE(child<QProgressBar>(w.get(), "pgCal2")->value(), 65535);
    QCOMPARE(child<QProgressBar>(w.get(), "pgCal0")->value(), 1);
}

void TestInputsPage::deadzonesFromTheUnit()
{
    freshUnit(unitWithDeadzones({6554, 58982, 0, 65535, 3277, 62258}));
    auto w = openWindow();
    // Read while the ABOUT page was on screen: the CLUTCH handles take their values too.
    QCOMPARE(handle(w.get(), "lbDzL0"), 10);
    QCOMPARE(handle(w.get(), "lbDzR0"), 10);
    QCOMPARE(handle(w.get(), "lbDzL1"), 0);
    QCOMPARE(handle(w.get(), "lbDzR1"), 0);
    QCOMPARE(handle(w.get(), "lbDzL2"), 5);
    QCOMPARE(handle(w.get(), "lbDzR2"), 5);
    QCOMPARE(child(w.get(), "lbDzL0")->x(), 38 + 20);
    QCOMPARE(child(w.get(), "lbDzR0")->x(), 206 - 20);
    QCOMPARE(child(w.get(), "pgAdc0")->geometry(), QRect(58, 365, 160, 12));
    QCOMPARE(child(w.get(), "pgAdc1")->geometry(), QRect(260, 365, 200, 12));
    QCOMPARE(child(w.get(), "pgAdc2")->geometry(), QRect(493, 365, 180, 12));
}

void TestInputsPage::releasingAHandleWritesTheTable()
{
    freshUnit(unitWithDeadzones({6554, 58982, 0, 65535, 0, 65535}));
    auto w = openWindow();
    kestsim::wireLog().clear();
    dragBy(child(w.get(), "lbDzL1"), 10); // BRAKE low deadzone to 5 %
    QCOMPARE(handle(w.get(), "lbDzL1"), 5);
    //                                  commit  clutch 10/10  brake 5 % / none  throttle none
    QCOMPARE(
        writes(),
        QStringList {hexOf(report("02 05 01 01 ef 9a 19 66 e6 cd 0c ff ff 00 00 ff ff 00 00 00"))});
    QCOMPARE(readRequests(), QStringList {"0501"}); // read back at once
    QCOMPARE(kestsim::unit().state().kept.deadzone,
             (std::array<std::uint16_t, 6> {6554, 58982, 3277, 65535, 0, 65535}));
    QCOMPARE(child(w.get(), "pgAdc1")->geometry(), QRect(270, 365, 190, 12));
}

void TestInputsPage::clutchOffSendsNoClutchDeadzone()
{
    freshUnit(unitWithDeadzones({6554, 58982, 0, 65535, 0, 65535}, false));
    auto w = openWindow();
    QVERIFY(child(w.get(), "lbDzL0")->isHidden());
    // Off, the CLUTCH handles stay where they are, whatever the unit holds for them.
    auto *low = child<KestSlider>(w.get(), "lbDzL0");
    auto *high = child<KestSlider>(w.get(), "lbDzR0");
    low->setValue(3);
    high->setValue(4);
    kestsim::wireLog().clear();
    dragBy(child(w.get(), "lbDzR2"), -4); // THROTTLE high deadzone to 2 %
    QCOMPARE(
        writes(),
        QStringList {hexOf(report("02 05 01 01 ef 00 00 ff ff 00 00 ff ff 00 00 e0 fa 00 00 00"))});
    QCOMPARE(readRequests(), QStringList {"0501"}); // read back, and placed from it
    QCOMPARE(low->value(), 3);
    QCOMPARE(high->value(), 4);
}

void TestInputsPage::clutchSwitch()
{
    auto w = openWindow(); // a new unit has the clutch enabled
    auto *box = child<QCheckBox>(w.get(), "cbClutch");
    QVERIFY(box->isChecked());
    QCOMPARE(child(w.get(), "lbMain1")->styleSheet(),
             QStringLiteral("border-image: url(:/img/back2.png)"));
    const QImage withClutch = child(w.get(), "lbMain1")->grab().toImage();
    kestsim::wireLog().clear();

    QTest::ignoreMessage(QtDebugMsg, "deviceSettingWrite KESTIE_PEDAL_MODE");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QVERIFY(!box->isChecked());
    QCOMPARE(writes(), QStringList {hexOf(report("02 0c 07 00 00 00 00 ef"))});
    QCOMPARE(kestsim::unit().state().kept.pedalMode, 0u);
    for (const char *name :
         {"lbAdc0", "lbAdcB0", "pgAdc0", "cbPro0", "pgCal0", "pbSave0", "ctAdc0", "pbSavePro0",
          "pbDelPro0", "lbDzL0", "lbDzR0", "lbName0", "lbCalName0"})
        QVERIFY2(child(w.get(), name)->isHidden(), name);
    for (const char *name : {"lbMain1", "lbMain2"})
        QCOMPARE(child(w.get(), name)->styleSheet(),
                 QStringLiteral("border-image: url(:/img/back.png)"));
    QTRY_VERIFY(KestBackdrops::instance().isPutAside(1)); // only the picture in use is kept

    QTest::ignoreMessage(QtDebugMsg, "deviceSettingWrite KESTIE_PEDAL_MODE");
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCOMPARE(writes().last(), hexOf(report("02 0c 07 01 00 00 00 ef")));
    QVERIFY(!child(w.get(), "pgAdc0")->isHidden());

    // The picture put aside comes back exactly as it was drawn. The one switched away
    // from, compressed before, stays drawn a moment for a switch straight back, then goes.
    QCOMPARE(child(w.get(), "lbMain1")->grab().toImage(), withClutch);
    QVERIFY(!KestBackdrops::instance().isPutAside(0));
    QTRY_VERIFY(KestBackdrops::instance().isPutAside(0));

    // Already what the unit holds: nothing is written.
    kestsim::wireLog().clear();
    box->setChecked(false);
    kestsim::unit().setState([] {
        kestsim::UnitState s;
        s.kept.pedalMode = 1;
        return s;
    }());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QVERIFY(box->isChecked());
    QVERIFY(writes().isEmpty());
}

void TestInputsPage::calibrationStoresWatchedBounds_data()
{
    QTest::addColumn<int>("pedal");
    QTest::addColumn<QString>("start"); // the two tables sent by CALIBRATE
    QTest::addColumn<QString>("save"); // and by SAVE
    // calibration table as kept: 100/65000, 200/64000, 300/63000
    QTest::newRow("CLUTCH, with the margin")
        << 0
        << "02 05 01 00 00 00 00 ff ff c8 00 00 fa 2c 01 18 f6 00 00 00|"
           "02 05 01 01 00 00 00 ff ff 00 00 ff ff 00 00 ff ff 00 00 00"
        << "02 05 01 00 ef a0 0f 60 ea c8 00 00 fa 2c 01 18 f6 00 00 00|"
           "02 05 01 01 ef 00 00 ff ff 00 00 ff ff 00 00 ff ff 00 00 00";
    QTest::newRow("BRAKE, without")
        << 1
        << "02 05 01 00 00 64 00 e8 fd 00 00 ff ff 2c 01 18 f6 00 00 00|"
           "02 05 01 01 00 00 00 ff ff 00 00 ff ff 00 00 ff ff 00 00 00"
        << "02 05 01 00 ef 64 00 e8 fd b8 0b 60 ea 2c 01 18 f6 00 00 00|"
           "02 05 01 01 ef 00 00 ff ff 00 00 ff ff 00 00 ff ff 00 00 00";
}

void TestInputsPage::calibrationStoresWatchedBounds()
{
    QFETCH(int, pedal);
    QFETCH(QString, start);
    QFETCH(QString, save);
    DialogCatcher dialogs;
    freshUnit(unitWithDeadzones({0, 65535, 0, 65535, 0, 65535}));
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS2"), Qt::LeftButton);
    auto *button = child<QPushButton>(w.get(), QString("pbSave%1").arg(pedal).toLatin1());
    kestsim::wireLog().clear();

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("SAVE"));
    QCOMPARE(writes().join('|'), start);
    QCOMPARE(kestsim::unit().inEffect().calibration[std::size_t(2 * pedal)], 0); // in effect,
    QVERIFY(kestsim::unit().state().kept.calibration[std::size_t(2 * pedal)] != 0); // not kept

    startWatchNow(w.get()); // rather than 500 ms after the click
    auto &u = kestsim::unit();
    const auto at = [&](std::uint16_t v) {
        std::array<std::uint16_t, 3> p {9999, 9999, 9999};
        p[std::size_t(pedal)] = v;
        u.setPedals(p[0], p[1], p[2]);
    };
    at(30000);
    at(3000);
    at(60000);
    at(20001);
    TRY_COMPARE(child<QLabel>(w.get(), QString("lbAdc%1").arg(pedal).toLatin1())->text(),
                QStringLiteral("20001"));
    kestsim::wireLog().clear();
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("CALIBRATE"));
    QCOMPARE(writes().join('|'), save);
    QCOMPARE(handle(w.get(), QString("lbDzL%1").arg(pedal).toLatin1()), 0);
    QCOMPARE(child(w.get(), QString("pgAdc%1").arg(pedal).toLatin1())->geometry(),
             child(w.get(), QString("lbAdcB%1").arg(pedal).toLatin1())->geometry());
}

void TestInputsPage::oneCalibrationAtATime()
{
    freshUnit(unitInUse());
    DialogCatcher dialogs;
    auto w = openWindow();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QTest::mouseClick(child(w.get(), "pbS2"), Qt::LeftButton);
    // CALIBRATE pressed from the keyboard: the focus stays on it.
    auto *clutch = child<QPushButton>(w.get(), "pbSave0");
    clutch->setFocus(Qt::TabFocusReason);
    QTest::keyClick(clutch, Qt::Key_Space);
    QCOMPARE(clutch->text(), QStringLiteral("SAVE"));
    QVERIFY(clutch->hasFocus());
    // The other pedals wait, disabled: a click asks and sends nothing.
    for (const char *other : {"pbSave1", "pbSave2"})
        QVERIFY2(!child(w.get(), other)->isEnabled(), other);
    kestsim::wireLog().clear();
    QTest::mouseClick(child(w.get(), "pbSave1"), Qt::LeftButton);
    QVERIFY(dialogs.requests.empty());
    QVERIFY(kestsim::wireLog().entries().empty());

    // Escape cancels: both tables read, and the CLUTCH's bounds of the start back into
    // effect, uncommitted; the hint line says so.
    QTest::keyClick(clutch, Qt::Key_Escape);
    //                                           table  CLUTCH       BRAKE        THROTTLE
    QCOMPARE(writes(),
             (QStringList {hexOf(report("02 05 01 00 00 64 00 e8 fd c8 00 00 fa 2c 01 18 f6")),
                           hexOf(report("02 05 01 01 00 9a 19 66 e6 cd 0c 32 f3 00 00 ff ff"))}));
    QCOMPARE(readRequests().mid(0, 2), (QStringList {"0500", "0501"}));
    QCOMPARE(child<QLabel>(w.get(), "lbCalHint")->text(),
             QStringLiteral("Calibration cancelled: the CLUTCH keeps the calibration it had."));
    for (const char *button : {"pbSave0", "pbSave1", "pbSave2"}) {
        QVERIFY2(child(w.get(), button)->isEnabled(), button);
        QCOMPARE(child<QPushButton>(w.get(), button)->text(), QStringLiteral("CALIBRATE"));
    }
    QVERIFY(clutch->hasFocus());
    // Without a calibration Escape sends nothing.
    kestsim::wireLog().clear();
    QTest::keyClick(clutch, Qt::Key_Escape);
    QVERIFY(kestsim::wireLog().entries().empty());
    QVERIFY(dialogs.requests.empty());
}

void TestInputsPage::calibrationWithoutTravelIsRefused_data()
{
    QTest::addColumn<int>("pedal");
    QTest::addColumn<QList<int>>("positions"); // seen while the watch runs
    QTest::newRow("THROTTLE, no report at all") << 2 << QList<int> {};
    QTest::newRow("CLUTCH, less travel than the margin") << 0 << QList<int> {3000, 3400};
    QTest::newRow("CLUTCH, exactly the margin") << 0 << QList<int> {3000, 4000};
    QTest::newRow("BRAKE, resting") << 1 << QList<int> {5000};
}

void TestInputsPage::calibrationWithoutTravelIsRefused()
{
    QFETCH(int, pedal);
    QFETCH(QList<int>, positions);
    DialogCatcher dialogs;
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS2"), Qt::LeftButton);
    auto *button = child<QPushButton>(w.get(), QString("pbSave%1").arg(pedal).toLatin1());
    QTest::mouseClick(button, Qt::LeftButton);
    startWatchNow(w.get()); // rather than 500 ms after the click
    auto &u = kestsim::unit();
    auto *number = child<QLabel>(w.get(), QString("lbAdc%1").arg(pedal).toLatin1());
    for (int v : positions) {
        std::array<std::uint16_t, 3> p {7, 7, 7};
        p[std::size_t(pedal)] = std::uint16_t(v);
        u.setPedals(p[0], p[1], p[2]);
        TRY_COMPARE(number->text(), QString::number(v));
    }
    kestsim::wireLog().clear();
    QTest::mouseClick(button, Qt::LeftButton);
    // The refusal asks whether to cancel; the catcher's answer (not Yes) keeps calibrating.
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Question);
    QVERIFY(dialogs.texts()[0].startsWith("Move the pedal through its whole travel, then save."));
    QVERIFY(writes().isEmpty()); // an inverted or empty range would leave no travel
    QCOMPARE(button->text(), QStringLiteral("SAVE"));

    // The watch goes on: a real stroke saves.
    u.setPedals(30000, 30000, 30000);
    TRY_COMPARE(number->text(), QStringLiteral("30000"));
    u.setPedals(1, 1, 1);
    TRY_COMPARE(number->text(), QStringLiteral("1"));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(button->text(), QStringLiteral("CALIBRATE"));
    QCOMPARE(writes().size(), 2);
}

void TestInputsPage::attachResetsACalibrationUnderWay()
{
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS2"), Qt::LeftButton);
    QTest::mouseClick(child(w.get(), "pbSave1"), Qt::LeftButton);
    kestsim::unit().unplug();
    TRY_COMPARE(child<QPushButton>(w.get(), "pbSave1")->text(), QStringLiteral("CALIBRATE"));
    kestsim::unit().plug();
}

void TestInputsPage::backdropsDrawnAsTheStyleSheetsDraw_data()
{
    QTest::addColumn<bool>("clutch");
    QTest::newRow("without clutch") << false;
    QTest::newRow("with clutch") << true;
}

void TestInputsPage::backdropsDrawnAsTheStyleSheetsDraw()
{
    // The pedal pictures come prepared at the backdrops' size; the pages must look exactly
    // as when the style sheets decode and stretch the whole pictures themselves.
    QFETCH(bool, clutch);
    freshUnit(unitWithDeadzones({0, 65535, 0, 65535, 0, 65535}, clutch));
    auto w = openWindow();
    KestBackdrops &pictures = KestBackdrops::instance();
    QVERIFY(pictures.isActive());
    const QString path = KestBackdrops::paths()[clutch ? 1 : 0];
    QCOMPARE(child(w.get(), "lbMain1")->styleSheet(),
             QStringLiteral("border-image: url(%1)").arg(path));
    QCOMPARE(QPixmap(path).size(), QSize(640, 361)); // what the style sheets load

    const auto grabPages = [&] {
        return QList<QImage> {child(w.get(), "page1")->grab().toImage(),
                              child(w.get(), "page2")->grab().toImage()};
    };
    const auto setSheetsAgain = [&] {
        for (const char *name : {"lbMain1", "lbMain2"}) {
            QWidget *backdrop = child(w.get(), name);
            backdrop->setStyleSheet(backdrop->styleSheet());
        }
    };
    const QList<QImage> prepared = grabPages();

    for (const QString &p : KestBackdrops::paths())
        QPixmapCache::remove(KestBackdrops::cacheKey(p));
    setSheetsAgain();
    QCOMPARE(QPixmap(path).size(), QSize(2303, 1479));
    const QList<QImage> whole = grabPages();
    QCOMPARE(prepared[0], whole[0]);
    QCOMPARE(prepared[1], whole[1]);

    // Back to the prepared pictures for the tests that follow.
    for (const QString &p : KestBackdrops::paths())
        QPixmapCache::remove(KestBackdrops::cacheKey(p));
    pictures.install(QSize(640, 361));
    setSheetsAgain();
    QCOMPARE(QPixmap(path).size(), QSize(640, 361));
}

void TestInputsPage::firstFramePicturesDrawnAsTheStyleSheetsDraw()
{
    // Once the window has drawn its first frame, the header band and the about picture are
    // kept at their labels' size; the labels must look exactly as when the style sheets
    // stretch the whole pictures themselves.
    const struct
    {
        const char *label;
        QString path;
        QSize whole;
    } pictures[] = {{"lbSplit", QStringLiteral(":/img/head.png"), QSize(2000, 131)},
                    {"label_2", QStringLiteral(":/img/about.png"), QSize(800, 250)}};
    // The program decodes them beside its start: the style sheets must find there what
    // they would have loaded themselves, pixel for pixel and in the same format.
    std::vector<QImage> ownLoad;
    for (const auto &p : pictures) {
        QPixmapCache::remove(KestBackdrops::cacheKey(p.path));
        ownLoad.push_back(QPixmap(p.path).toImage());
        QPixmapCache::remove(KestBackdrops::cacheKey(p.path));
    }
    FirstFrameWork ahead(kest::firstFramePictures());
    ahead.finish();
    for (std::size_t i = 0; i < ownLoad.size(); ++i) {
        QPixmap found;
        QVERIFY(QPixmapCache::find(KestBackdrops::cacheKey(pictures[i].path), &found));
        QCOMPARE(found.toImage().format(), ownLoad[i].format());
        QCOMPARE(found.toImage(), ownLoad[i]);
    }
    // A picture that cannot be decoded is left to the sheets, which report it.
    const QString missing = QStringLiteral(":/img/missing.png");
    FirstFrameWork(std::vector<QString> {missing}).finish();
    QPixmap none;
    QVERIFY(!QPixmapCache::find(KestBackdrops::cacheKey(missing), &none));

    auto w = std::make_unique<MainWindow>();
    for (const auto &p : pictures)
        QCOMPARE(QPixmap(p.path).size(), p.whole); // not shown yet: loaded whole
    w->setWindowFlags(Qt::FramelessWindowHint);
    w->show(); // as the program shows it: the attach follows the first frame
    TRY_COMPARE(currentPage(w.get()), 0);
    for (const auto &p : pictures) {
        QWidget *label = child(w.get(), p.label);
        TRY_COMPARE(QPixmap(p.path).size(), label->size()); // what the style sheet loads
        const QImage drawn = label->grab().toImage();

        QPixmapCache::remove(KestBackdrops::cacheKey(p.path));
        label->setStyleSheet(label->styleSheet());
        QCOMPARE(QPixmap(p.path).size(), p.whole);
        QCOMPARE(label->grab().toImage(), drawn);
        QVERIFY(!KestBackdrops::keepDrawn(p.path, p.whole)); // nothing to do
    }
}

void TestInputsPage::aNewFormFindsBothPedalPicturesDrawn()
{
    // The window puts the picture of the other clutch setting aside; a form built after it
    // names either picture and must not find the whole one to decode in the cache.
    auto first = openWindow(); // the clutch enabled
    KestBackdrops &pictures = KestBackdrops::instance();
    QTRY_VERIFY(pictures.isPutAside(0));
    first.reset();
    MainWindow second;
    for (std::size_t i = 0; i < KestBackdrops::paths().size(); ++i) {
        QVERIFY(!pictures.isPutAside(i));
        QCOMPARE(QPixmap(KestBackdrops::paths()[i]).size(), QSize(640, 361));
        // The decoded pictures' bytes in the bundle were let go, and read back as they were.
        QCOMPARE(QResource(KestBackdrops::paths()[i]).uncompressedData(),
                 bundleBytes[qsizetype(i)]);
    }
}

QTEST_MAIN(TestInputsPage)
#include "tst_inputspage.moc"
