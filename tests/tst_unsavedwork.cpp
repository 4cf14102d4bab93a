// Work the user would lose without a word: the deadzones a calibration SAVE clears, and a
// curve edited and not saved when another profile is chosen or the window closes.

#include "curvetext.h"
#include "kestaxis.h"
#include "windowsupport.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>

using namespace testsupport;

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray r;
    for (int v : values)
        r.append(char(v));
    return r;
}

QComboBox *brakeList(QWidget *w)
{
    return child<QComboBox>(w, "cbPro1");
}

KestAxis *brakeCurve(QWidget *w)
{
    return child<KestAxis>(w, "ctAdc1");
}

/// Whether a pedal's list shows the mark of a curve not saved.
bool marked(QWidget *w, int pedal)
{
    const QString list = QStringLiteral("cbPro%1").arg(pedal);
    auto *combo = child<QComboBox>(w, qPrintable(list));
    auto *mark
        = combo->lineEdit()->findChild<QAction *>(QStringLiteral("unsavedMark%1").arg(pedal));
    if (!mark)
        qFatal("no unsaved mark on %s", qPrintable(list));
    // Screen readers learn it too.
    if (mark->isVisible() != combo->accessibleDescription().contains(QLatin1String("not saved")))
        qFatal("the mark and the description of %s disagree", qPrintable(list));
    return mark->isVisible();
}

/// The window on its PROFILES page with the profiles of unitInUse(): BRAKE has "Brake A"
/// (slot 1, chosen) and "Brake B" (slot 3), THROTTLE "Gas A" (slot 2).
std::unique_ptr<MainWindow> openProfiles()
{
    freshUnit(unitInUse());
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS3"), Qt::LeftButton);
    kestsim::wireLog().clear();
    return w;
}

const QByteArray kBrakeA = bytes({10, 20, 40, 70, 90});
const QByteArray kBrakeB = bytes({30, 45, 55, 65, 80});
const QByteArray kGasA = bytes({17, 33, 50, 67, 83});
const QByteArray kEdited = bytes({5, 15, 35, 60, 95});

QByteArray keptCurve(int slot)
{
    const auto record = kestsim::unit().state().kept.slots[std::size_t(slot)].record;
    return QByteArray(reinterpret_cast<const char *>(record.data()) + 2, 5);
}

} // namespace

class TestUnsavedWork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }
    void cleanup() { kestsim::unit().plug(); }

    void calibrationSaveAsksBeforeClearingDeadzones_data();
    void calibrationSaveAsksBeforeClearingDeadzones();
    void markFollowsTheEditedCurve_data();
    void markFollowsTheEditedCurve();
    void choosingAnotherProfileAsksAboutTheEdit_data();
    void choosingAnotherProfileAsksAboutTheEdit();
    void closeAsksAboutEveryEditedCurve_data();
    void closeAsksAboutEveryEditedCurve();
    void anEditOutlivesTheUnitDroppingOut();
};

void TestUnsavedWork::calibrationSaveAsksBeforeClearingDeadzones_data()
{
    QTest::addColumn<int>("low"); // BRAKE deadzone bounds as kept
    QTest::addColumn<int>("high");
    QTest::addColumn<bool>("travel"); // a stroke seen before SAVE
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("asked"); // part of the one question, empty for none
    QTest::addColumn<bool>("saved");
    QTest::newRow("neutral: nothing to lose, no question")
        << 0 << 65535 << true << int(QMessageBox::No) << QString() << true;
    QTest::newRow("low 17 %, No") << 11141 << 65535 << true << int(QMessageBox::No)
                                  << "BRAKE calibration also resets its deadzones: low 17 % "
                                     "and high 0 %"
                                  << false;
    QTest::newRow("high 5 %, Yes")
        << 0 << 62258 << true << int(QMessageBox::Yes) << "low 0 % and high 5 %" << true;
    QTest::newRow("17 %, but no travel: only the refusal")
        << 11141 << 65535 << false << int(QMessageBox::No)
        << "Move the pedal through its whole travel" << false;
    // Below half a percent the handles show 0 %, and so does the question: none.
    QTest::newRow("raw 100, shown as 0 %")
        << 100 << 65535 << true << int(QMessageBox::No) << QString() << true;
}

void TestUnsavedWork::calibrationSaveAsksBeforeClearingDeadzones()
{
    QFETCH(int, low);
    QFETCH(int, high);
    QFETCH(bool, travel);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(bool, saved);
    kestsim::UnitState s;
    s.kept.deadzone = {0, 65535, std::uint16_t(low), std::uint16_t(high), 0, 65535};
    freshUnit(s);
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS2"), Qt::LeftButton);
    auto *button = child<QPushButton>(w.get(), "pbSave1");
    QTest::mouseClick(button, Qt::LeftButton);
    startWatchNow(w.get());
    if (travel) {
        kestsim::unit().setPedals(0, 3000, 0);
        kestsim::unit().setPedals(0, 60000, 0);
        TRY_COMPARE(child<QLabel>(w.get(), "lbAdc1")->text(), QStringLiteral("60000"));
    }
    const auto keptBefore = kestsim::unit().state().kept;
    kestsim::wireLog().clear();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::StandardButton(answer);
    QTest::mouseClick(button, Qt::LeftButton);

    if (asked.isEmpty()) {
        QVERIFY(dialogs.requests.empty());
    } else {
        QCOMPARE(dialogs.requests.size(), std::size_t(1));
        QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::Question);
        QVERIFY2(dialogs.texts()[0].contains(asked), qPrintable(dialogs.texts()[0]));
    }
    if (saved) {
        QCOMPARE(button->text(), QStringLiteral("CALIBRATE"));
        QCOMPARE(kestsim::unit().state().kept.calibration[2], 3000);
        QCOMPARE(kestsim::unit().state().kept.deadzone[2], 0);
        QCOMPARE(kestsim::unit().state().kept.deadzone[3], 65535);
    } else {
        // Answered No: the unit hears nothing and the calibration goes on.
        QVERIFY(writes().isEmpty());
        QCOMPARE(kestsim::unit().state().kept.calibration, keptBefore.calibration);
        QCOMPARE(kestsim::unit().state().kept.deadzone, keptBefore.deadzone);
        QCOMPARE(button->text(), QStringLiteral("SAVE"));
    }
}

void TestUnsavedWork::markFollowsTheEditedCurve_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("drag") << "drag";
    QTest::newRow("paste") << "paste";
    QTest::newRow("preset") << "preset";
    QTest::newRow("key") << "key";
}

void TestUnsavedWork::markFollowsTheEditedCurve()
{
    QFETCH(QString, how);
    auto w = openProfiles();
    KestAxis *editor = brakeCurve(w.get());
    QVERIFY(!marked(w.get(), 0) && !marked(w.get(), 1) && !marked(w.get(), 2));

    // The first point of "Brake A" is at 10 %: pixel (38.3, 180).
    const auto edit = [&] {
        if (how == "drag") {
            sendMouse(editor, QEvent::MouseButtonPress, {38, 180}, Qt::LeftButton, Qt::LeftButton);
            sendMouse(editor, QEvent::MouseMove, {38, 150}, Qt::NoButton, Qt::LeftButton);
            sendMouse(editor, QEvent::MouseButtonRelease, {38, 150}, Qt::LeftButton, Qt::NoButton);
        } else if (how == "paste") {
            QGuiApplication::clipboard()->setText(kest::curveText(kEdited));
            QVERIFY(editor->pasteCurve());
        } else if (how == "preset") {
            editor->applyPreset(KestAxis::SCurve);
        } else {
            editor->setFocus();
            QTest::keyClick(editor, Qt::Key_Up);
        }
    };
    edit();
    QVERIFY(editor->curve() != kBrakeA);
    QVERIFY(marked(w.get(), 1));
    QVERIFY(!marked(w.get(), 0) && !marked(w.get(), 2));
    // The mark is beside the name, not in it: SAVE takes the name from the field.
    QCOMPARE(brakeList(w.get())->currentText(), QStringLiteral("Brake A"));
    QCOMPARE(brakeList(w.get())->itemText(0), QStringLiteral("Brake A"));

    // Back to the stored curve: nothing left to save.
    editor->setCurve(kBrakeA);
    QVERIFY(!marked(w.get(), 1));

    edit();
    QVERIFY(marked(w.get(), 1));
    const QByteArray edited = editor->curve();
    DialogCatcher dialogs;
    QTest::mouseClick(child(w.get(), "pbSavePro1"), Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList {"Profile is saved"});
    QCOMPARE(keptCurve(1), edited);
    QVERIFY(!marked(w.get(), 1));
    QCOMPARE(brakeList(w.get())->currentText(), QStringLiteral("Brake A"));
}

void TestUnsavedWork::choosingAnotherProfileAsksAboutTheEdit_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << int(QMessageBox::Yes);
    QTest::newRow("No") << int(QMessageBox::No);
    QTest::newRow("Cancel") << int(QMessageBox::Cancel);
}

void TestUnsavedWork::choosingAnotherProfileAsksAboutTheEdit()
{
    QFETCH(int, answer);
    auto w = openProfiles();
    QComboBox *list = brakeList(w.get());
    KestAxis *editor = brakeCurve(w.get());
    editor->setCurve(kEdited);
    kestsim::wireLog().clear();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::StandardButton(answer);
    QTest::keyClick(list, Qt::Key_Down); // to "Brake B"

    QCOMPARE(dialogs.requests.size(), std::size_t(answer == QMessageBox::Yes ? 2 : 1));
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::QuestionWithCancel);
    QVERIFY(dialogs.texts()[0].contains("BRAKE curve of profile \"Brake A\""));
    QVERIFY(dialogs.texts()[0].contains("Save the curve as \"Brake A\" first?"));
    const QString choiceOfB = hexOf(report("02 0c 0f 00 03 02 00 00")); // applied, not kept
    switch (answer) {
    case QMessageBox::Yes:
        QCOMPARE(dialogs.texts()[1], QStringLiteral("Profile is saved"));
        QCOMPARE(keptCurve(1), kEdited);
        QCOMPARE(writes().last(), choiceOfB);
        QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF020100u);
        break;
    case QMessageBox::No:
        // Exactly what choosing sends without an edit.
        QCOMPARE(writes(), QStringList {choiceOfB});
        QCOMPARE(keptCurve(1), kBrakeA);
        break;
    default:
        QVERIFY(kestsim::wireLog().entries().empty());
        QCOMPARE(list->currentText(), QStringLiteral("Brake A"));
        QCOMPARE(editor->curve(), kEdited);
        QVERIFY(marked(w.get(), 1));
        return;
    }
    QCOMPARE(list->currentText(), QStringLiteral("Brake B"));
    QCOMPARE(editor->curve(), kBrakeB);
    QCOMPARE(kestsim::unit().inEffect().activeProfile & 0xFFFFFF, 0x020300u);
    QVERIFY(!marked(w.get(), 1));
}

void TestUnsavedWork::closeAsksAboutEveryEditedCurve_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("plugged");
    QTest::newRow("Yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("No") << int(QMessageBox::No) << true;
    QTest::newRow("Cancel") << int(QMessageBox::Cancel) << true;
    QTest::newRow("Yes, but a save fails") << int(QMessageBox::Yes) << true;
    QTest::newRow("no unit: nothing to ask") << int(QMessageBox::Yes) << false;
}

void TestUnsavedWork::closeAsksAboutEveryEditedCurve()
{
    QFETCH(int, answer);
    QFETCH(bool, plugged);
    auto w = openProfiles();
    brakeCurve(w.get())->setCurve(kEdited);
    child<KestAxis>(w.get(), "ctAdc2")->applyPreset(KestAxis::Progressive);
    if (!plugged) {
        kestsim::unit().unplug();
        TRY_VERIFY(headText(w.get()).startsWith(QLatin1String("WAITING")));
    }
    kestsim::wireLog().clear();
    const bool failing = QByteArray(QTest::currentDataTag()).contains("fails");
    if (failing)
        kestsim::faults().failNextSends(1, 2); // the BRAKE's name write, after two reads
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::StandardButton(answer);
    QTest::mouseClick(child(w.get(), "pbClose"), Qt::LeftButton);

    if (failing) {
        // Said so, and the window stays open with the curve still to save.
        QCOMPARE(dialogs.requests.size(), std::size_t(2));
        QCOMPARE(dialogs.requests[1].kind, KestMessage::Kind::Critical);
        QCOMPARE(keptCurve(1), kBrakeA);
        QCOMPARE(keptCurve(2), kGasA); // not tried after a failure
        QVERIFY(kest::deviceIsOpen());
        QCOMPARE(brakeCurve(w.get())->curve(), kEdited);
        QVERIFY(marked(w.get(), 1) && marked(w.get(), 2));
        return;
    }
    if (!plugged) {
        QVERIFY(dialogs.requests.empty());
        QVERIFY(kestsim::wireLog().entries().empty());
        return;
    }
    // One question for both pedals.
    QCOMPARE(dialogs.requests.size(), std::size_t(1));
    QCOMPARE(dialogs.requests[0].kind, KestMessage::Kind::QuestionWithCancel);
    const QString text = dialogs.texts()[0];
    QVERIFY(text.contains("BRAKE: curve of profile \"Brake A\"\n"
                          "THROTTLE: curve of profile \"Gas A\""));
    QVERIFY(!text.contains("CLUTCH"));
    switch (answer) {
    case QMessageBox::Yes:
        QCOMPARE(keptCurve(1), kEdited);
        QCOMPARE(keptCurve(2), KestAxis::presetCurve(KestAxis::Progressive));
        QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF020100u);
        QVERIFY(!kest::deviceIsOpen()); // closed
        break;
    case QMessageBox::No:
        QCOMPARE(keptCurve(1), kBrakeA);
        QCOMPARE(keptCurve(2), kGasA);
        QVERIFY(writes().isEmpty()); // the stored choice was the one shown
        QVERIFY(!kest::deviceIsOpen());
        break;
    default:
        QVERIFY(kestsim::wireLog().entries().empty());
        QVERIFY(kest::deviceIsOpen()); // the window stays, attached
        QVERIFY(marked(w.get(), 1) && marked(w.get(), 2));
        break;
    }
}

void TestUnsavedWork::anEditOutlivesTheUnitDroppingOut()
{
    auto w = openProfiles();
    brakeCurve(w.get())->setCurve(kEdited);
    kestsim::unit().unplug();
    TRY_VERIFY(headText(w.get()).startsWith(QLatin1String("WAITING")));
    kestsim::unit().plug();
    retryNow(w.get());
    TRY_COMPARE(currentPage(w.get()), 0);
    QCOMPARE(brakeList(w.get())->currentText(), QStringLiteral("Brake A"));
    QCOMPARE(brakeCurve(w.get())->curve(), kEdited);
    QVERIFY(marked(w.get(), 1));
    DialogCatcher dialogs;
    QTest::mouseClick(child(w.get(), "pbSavePro1"), Qt::LeftButton);
    QCOMPARE(dialogs.texts(), QStringList {"Profile is saved"});
    QCOMPARE(keptCurve(1), kEdited);
}

QTEST_MAIN(TestUnsavedWork)
#include "tst_unsavedwork.moc"
