// The backups made before every operation that changes the unit for good, and the
// questions asked before them: what a backup holds and when it is written, that IMPORT
// brings it back, that a No sends nothing, the newest 20 kept, and that an operation
// without its backup does not go ahead.

#include "cli.h"
#include "kestunit.h"
#include "profileini.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>

using namespace testsupport;

namespace {

using Step = std::function<void(MainWindow *, DialogCatcher &)>;

/// The page and the clicks of each operation that makes a backup.
struct Operation
{
    int page; ///< its sidebar button: 3 PROFILES, 4 DEVICE
    Step run;
};

QString firmwareImage(const QTemporaryDir &dir)
{
    return writeFile(dir.filePath(QStringLiteral("tiny.bin")),
                     QByteArray("0123456789").repeated(4));
}

QString importFile(const QTemporaryDir &dir)
{
    kest::ProfileTable table;
    table.index = 0xEF070605;
    table.profiles = {{QStringLiteral("Clutch soft"),
                       kest::SlotRecord::fromBytes(QByteArray::fromHex("05011020304050"))}};
    const QString path = dir.filePath(QStringLiteral("shared.ini"));
    kest::writeProfileFile(path, table);
    return path;
}

Operation operation(const QString &name, const QTemporaryDir &dir)
{
    if (name == QLatin1String("import"))
        return {3, [path = importFile(dir)](MainWindow *w, DialogCatcher &d) {
                    d.fileNames << path;
                    child<QPushButton>(w, "pbImport")->click();
                }};
    if (name == QLatin1String("remove"))
        // The BRAKE's chosen profile: choosing another would send the choice.
        return {3, [](MainWindow *w, DialogCatcher &) {
                    QCOMPARE(child<QComboBox>(w, "cbPro1")->currentText(),
                             QStringLiteral("Brake A"));
                    child<QPushButton>(w, "pbDelPro1")->click();
                }};
    if (name == QLatin1String("clear flash"))
        return {4, [](MainWindow *w, DialogCatcher &) {
                    child<QPushButton>(w, "pbClearFlash")->click();
                }};
    return {4, [path = firmwareImage(dir)](MainWindow *w, DialogCatcher &) {
                child<QLineEdit>(w, "lePath")->setText(path);
                const int ends = kestsim::unit().firmwareEndCount();
                child<QPushButton>(w, "pbUpgrade")->click();
                // Done once the image is out, with its end report (the unit's seconds of
                // writing after it are not waited out: closing the window stops the count),
                // or once the page is idle, nothing sent.
                if (!waitFor(
                        [w, ends] {
                            return kestsim::unit().firmwareEndCount() > ends
                                || child<QPushButton>(w, "pbAutoUpgrade")->isEnabled();
                        },
                        15000))
                    qWarning("the upload did not end");
            }};
}

void showPage(MainWindow *w, int page)
{
    child<QPushButton>(w, qPrintable(QStringLiteral("pbS%1").arg(page)))->click();
    QTRY_COMPARE(currentPage(w), page - 1);
}

QStringList backupFiles()
{
    return QDir(kest::backupFolder()).entryList(QDir::Files, QDir::Name);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// The index in the wire log of the first report that is not a read request; -1 if none.
int firstWrite()
{
    const auto sets = kestsim::wireLog().reports("set");
    for (std::size_t i = 0; i < sets.size(); ++i)
        if (sets[i].size() > 1 && sets[i][1] != kest::CMD_READ)
            return int(i);
    return -1;
}

/// The index of the first read request of a range table (calibration 0, deadzones 1).
int firstRangeRead(int table)
{
    const auto sets = kestsim::wireLog().reports("set");
    for (std::size_t i = 0; i < sets.size(); ++i)
        if (sets[i].size() > 3 && sets[i][1] == kest::CMD_READ
            && sets[i][2] == kest::CMD_PEDAL_RANGE && sets[i][3] == table)
            return int(i);
    return -1;
}

/// The used slots a unit keeps and its stored choice, as text.
QStringList profilesKept(const kestsim::Settings &kept)
{
    QStringList out {QString::asprintf("INDEX %08x", kept.activeProfile)};
    for (std::size_t i = 0; i < kept.slots.size(); ++i)
        if (!kept.slots[i].isFree())
            out << QString::asprintf("%zu ", i)
                    + QString::fromUtf8(reinterpret_cast<const char *>(kept.slots[i].name.data()),
                                        qsizetype(kept.slots[i].name.size()))
                    + QLatin1Char(' ')
                    + hexText(kept.slots[i].record.data(), kept.slots[i].record.size());
    return out;
}

/// Runs a kestctl command beside the window's code, on the simulated unit.
int runCtl(const QStringList &args)
{
    kest::deviceClose();
    kestctl::Invocation in;
    kestctl::parseArguments(QStringList {"kestctl"} + args, in);
    return kestctl::runCommand(in);
}

QString questionText(const DialogCatcher &d)
{
    for (const auto &r : d.requests)
        if (r.kind == KestMessage::Kind::Question
            || r.kind == KestMessage::Kind::QuestionWithCancel)
            return r.text;
    return QString();
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void backupComesFirst_data();
    void backupComesFirst();
    void importOfABackup_data();
    void importOfABackup();
    void restoreGivesBackTheKeptState_data();
    void restoreGivesBackTheKeptState();
    void badBackupWritesNothing_data();
    void badBackupWritesNothing();
    void restoreCutPartWay();
    void answeredNoSendsNothing_data();
    void answeredNoSendsNothing();
    void keepsTheNewestTwentyOfItsOwn();
    void theBackupBroughtBackStays_data();
    void theBackupBroughtBackStays();
    void backupNamesTheProfilesItLeavesOut();
    void noBackupNoOperation_data();
    void noBackupNoOperation();

private:
    QTemporaryDir home;
    QTemporaryDir files;
};

void TestBackup::initTestCase()
{
    QVERIFY(home.isValid() && files.isValid());
    // Never the home folder of whoever runs the test.
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    QVERIFY(kest::backupFolder().startsWith(home.path()));
}

void TestBackup::init()
{
    QDir(home.path()).removeRecursively();
    QDir().mkpath(home.path());
    freshUnit(unitInUse());
}

void TestBackup::backupComesFirst_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"import", "remove", "clear flash", "update"})
        QTest::newRow(name) << name;
}

void TestBackup::backupComesFirst()
{
    QFETCH(QString, name);
    const Operation op = operation(name, files);
    auto w = openWindow();
    showPage(w.get(), 3);
    // What EXPORT writes of the unit as it is before the operation.
    const QString exported = files.filePath(QStringLiteral("before.ini"));
    {
        DialogCatcher d;
        d.fileNames << exported;
        child<QPushButton>(w.get(), "pbExport")->click();
    }
    showPage(w.get(), op.page);
    kestsim::wireLog().clear();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    op.run(w.get(), dialogs);

    const QStringList made = backupFiles();
    QCOMPARE(made.size(), 1);
    QVERIFY(kest::isBackupFileName(made.first()));
    const QString path = QDir(kest::backupFolder()).filePath(made.first());
    // The profiles exactly as an export writes them, then the two range tables as the unit
    // keeps them, which an import takes as they are.
    const QByteArray text = contents(path);
    QVERIFY(text.startsWith(contents(exported)));
    QVERIFY(kest::KestUnit::checkProfileFile(path).done());
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("Calibration/BRAKE")).toString(),
             QStringLiteral("200 64000"));
    QCOMPARE(settings.value(QStringLiteral("Deadzones/CLUTCH")).toString(),
             QStringLiteral("6554 58982"));
    QCOMPARE(settings.value(QStringLiteral("Deadzones/THROTTLE")).toString(),
             QStringLiteral("0 65535"));
    QCOMPARE(settings.value(QStringLiteral("Clutch/ENABLED")).toString(), QStringLiteral("1"));
    // Both tables were read before the operation's first write, which did come.
    const int write = firstWrite();
    QVERIFY(write >= 0);
    for (int table : {kest::RANGE_CALIBRATION, kest::RANGE_DEADZONE})
        QVERIFY(firstRangeRead(table) >= 0 && firstRangeRead(table) < write);
    // The question named the file the backup went to, and so does CLEAR FLASH's result.
    QVERIFY2(questionText(dialogs).endsWith(QDir::toNativeSeparators(path)),
             qPrintable(questionText(dialogs)));
    if (name == QLatin1String("clear flash"))
        QVERIFY(dialogs.texts().last().endsWith(QDir::toNativeSeparators(path) + '.'));
    for (const auto &r : dialogs.requests)
        QVERIFY2(r.kind != KestMessage::Kind::Critical, qPrintable(r.text));
}

void TestBackup::importOfABackup_data()
{
    QTest::addColumn<bool>("settingsToo"); // the answer to the offer: Yes, else No
    QTest::newRow("Yes: its settings too") << true;
    QTest::newRow("No: the profiles only") << false;
}

void TestBackup::importOfABackup()
{
    QFETCH(bool, settingsToo);
    auto w = openWindow();
    showPage(w.get(), 3);
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    operation(QStringLiteral("remove"), files).run(w.get(), dialogs);
    QCOMPARE(backupFiles().size(), 1);
    const QString backup = QDir(kest::backupFolder()).filePath(backupFiles().first());
    // The unit's other settings change too: the clutch switched off, the tables behind
    // the window's back.
    child<QCheckBox>(w.get(), "cbClutch")->click();
    kestsim::UnitState changed = kestsim::unit().state();
    QCOMPARE(changed.kept.pedalMode, 0u);
    changed.kept.calibration = {1500, 60000, 200, 64000, 2500, 62000};
    changed.kept.deadzone = {1000, 60000, 0, 65535, 655, 64880};
    kestsim::unit().setState(changed);
    kestsim::wireLog().clear();

    dialogs.requests.clear();
    dialogs.button = settingsToo ? QMessageBox::Yes : QMessageBox::No;
    dialogs.fileNames << backup;
    child<QPushButton>(w.get(), "pbImport")->click();
    // The offer lists the backup's settings as the pages show them.
    const QString question = questionText(dialogs);
    for (const char *line :
         {"\n  BRAKE 200 (0 %) to 64000 (98 %)\n",
          "\n  CLUTCH low 10 % (6554), high 10 % (58982)\n", "\nClutch pedal: on\n"})
        QVERIFY2(question.contains(QLatin1String(line)), qPrintable(question));
    // The profiles and the choice are back either way; the import made a backup first.
    const kestsim::Settings kept = kestsim::unit().state().kept;
    QCOMPARE(profilesKept(kept), profilesKept(unitInUse().kept));
    QCOMPARE(child<QComboBox>(w.get(), "cbPro1")->currentText(), QStringLiteral("Brake A"));
    QCOMPARE(backupFiles().size(), 2);
    // The settings: committed where they differ, as the backup has them.
    QStringList settingWrites;
    for (const QString &write : writes())
        if (write.startsWith("02 05") || write.startsWith("02 0c 07"))
            settingWrites << write;
    const kestsim::Settings &had = unitInUse().kept;
    const QStringList restoring {
        hexOf(kest::settingWrite(kest::KESTIE_PEDAL_MODE, 1, true)),
        hexOf(kest::rangeWrite(kest::RANGE_CALIBRATION, had.calibration, true)),
        hexOf(kest::rangeWrite(kest::RANGE_DEADZONE, had.deadzone, true))};
    QCOMPARE(settingWrites, settingsToo ? restoring : QStringList());
    QCOMPARE(child<QCheckBox>(w.get(), "cbClutch")->isChecked(), settingsToo);
    QCOMPARE(child<QLabel>(w.get(), "lbProfilesStatus")->toolTip(),
             (settingsToo ? "Profiles and settings restored from " : "Profiles imported from ")
                 + QDir::toNativeSeparators(backup) + '.');
}

void TestBackup::restoreGivesBackTheKeptState_data()
{
    QTest::addColumn<bool>("withClutch"); // older backups hold no clutch mode
    QTest::newRow("a backup of today") << true;
    QTest::newRow("an older backup") << false;
}

void TestBackup::restoreGivesBackTheKeptState()
{
    QFETCH(bool, withClutch);
    kestsim::UnitState before = unitInUse();
    before.kept.pedalMode = 0; // off, its deadzones kept all the same
    before.kept.deadzone = {6000, 59000, 3277, 62258, 1, 65534}; // no whole percents
    freshUnit(before);
    const QString path = files.filePath("mine.ini");
    QFile::remove(path);
    QCOMPARE(runCtl(QStringList {"backup", files.filePath("mine")}), int(kestctl::ExitDone));
    if (!withClutch)
        writeFile(path, contents(path).replace("\n[Clutch]\nENABLED=0\n", ""));

    kestsim::UnitState changed;
    changed.kept.calibration = {5, 60000, 6, 61000, 7, 62000};
    changed.kept.deadzone = {1001, 60001, 0, 65535, 999, 64000};
    changed.kept.slots[1] = slot(1, "Brake A", 2, {11, 20, 40, 70, 90});
    changed.kept.slots[5] = slot(5, "Other", 3, {1, 2, 3, 4, 5});
    changed.kept.activeProfile = 0xEF050000;
    kestsim::unit().setState(changed);
    QCOMPARE(runCtl(QStringList {"restore", "--yes", path}), int(kestctl::ExitDone));
    kestsim::Settings expected = before.kept;
    expected.pedalMode = withClutch ? before.kept.pedalMode : changed.kept.pedalMode;
    // Free slots as cleared, whatever filler they had: the backup lists used ones.
    const kestsim::Settings got = kestsim::unit().state().kept;
    QCOMPARE(profilesKept(got), profilesKept(expected));
    QVERIFY(got.pedalMode == expected.pedalMode && got.calibration == expected.calibration
            && got.deadzone == expected.deadzone);

    // Again: the unit has it all, and nothing is written to its flash.
    kestsim::wireLog().clear();
    QCOMPARE(runCtl(QStringList {"restore", "--yes", path}), int(kestctl::ExitDone));
    QCOMPARE(writes(), QStringList());
    // A file of the user's is replaced only when asked to.
    QCOMPARE(runCtl(QStringList {"backup", path}), int(kestctl::ExitRefused));
}

void TestBackup::badBackupWritesNothing_data()
{
    QTest::addColumn<QByteArrayList>("edit"); // in a whole backup: from, to ("END" cuts)
    QTest::addColumn<QString>("why"); // empty: the file is whole, only --yes is missing
    QTest::newRow("profiles only")
        << QByteArrayList {"\n[Calibration]", "END"} << "holds profiles only";
    QTest::newRow("a table not whole")
        << QByteArrayList {"THROTTLE=655 64880\n", ""}
        << "The backup is not whole: its section [Deadzones] has no key THROTTLE.";
    QTest::newRow("a calibration upside down")
        << QByteArrayList {"BRAKE=200 64000", "BRAKE=64000 200"} << "low bound must be below";
    QTest::newRow("a deadzone beyond the handles")
        << QByteArrayList {"CLUTCH=1000 60000", "CLUTCH=1000 40000"} << "beyond the handles'";
    QTest::newRow("a clutch neither on nor off")
        << QByteArrayList {"ENABLED=0", "ENABLED=on"} << "ENABLED in [Clutch] is 1";
    QTest::newRow("a choice the import refuses")
        << QByteArrayList {"INDEX=4010347525", "INDEX=592901"} << "INDEX is no number";
    QTest::newRow("whole, without --yes") << QByteArrayList {"", ""} << "";
}

void TestBackup::badBackupWritesNothing()
{
    QFETCH(QByteArrayList, edit);
    QFETCH(QString, why);
    QByteArray text = contents(KEST_TEST_DATA "/backup-valid.ini");
    if (edit[1] == "END")
        text.truncate(text.indexOf(edit[0]));
    else if (!edit[0].isEmpty())
        text.replace(edit[0], edit[1]);
    const QString path = writeFile(files.filePath("edited.ini"), text);
    const kest::Outcome checked = kest::KestUnit::checkBackupFile(path);
    QCOMPARE(checked.done(), why.isEmpty());
    QVERIFY2(checked.message.contains(why), qPrintable(checked.message));
    QCOMPARE(runCtl(why.isEmpty() ? QStringList {"restore", path}
                                  : QStringList {"restore", "--yes", path}),
             int(kestctl::ExitRefused));
    QVERIFY(kestsim::wireLog().entries().empty());
    QVERIFY(kestsim::unit().state().kept == unitInUse().kept);
}

void TestBackup::restoreCutPartWay()
{
    kest::UnitBackup backup;
    QVERIFY(kest::KestUnit::checkBackupFile(KEST_TEST_DATA "/backup-valid.ini", &backup).done());
    kest::deviceInit();
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    kest::KestUnit unit;
    // The sends: the clutch mode, the calibration and the deadzones each read and written
    // (the deadzones read back), then slot 0's name and record read, its name written and
    // then its curve, which fails.
    kestsim::faults().failNextSends(1, 10);
    const kest::Outcome cut = unit.restoreBackup(backup);
    kest::deviceClose();
    QCOMPARE(cut.status, kest::Outcome::Failed);
    QVERIFY2(cut.message.contains("It has the backup's clutch setting, calibration, deadzones. "
                                  "It keeps the profiles, choice of active profiles it had."),
             qPrintable(cut.message));
    const kestsim::Settings kept = kestsim::unit().state().kept;
    QVERIFY(kept.pedalMode == 0 && kept.calibration[0] == 1500 && kept.deadzone[0] == 1000);
    QCOMPARE(profilesKept(kept), profilesKept(unitInUse().kept));
}

void TestBackup::answeredNoSendsNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("asked"); // what the question names
    QTest::newRow("import") << "import"
                            << QStringList {QDir::toNativeSeparators(importFile(files)),
                                            "replaces all 16 profiles on the unit"};
    QTest::newRow("remove") << "remove" << QStringList {"BRAKE", "\"Brake A\""};
    QTest::newRow("update") << "update"
                            << QStringList {QDir::toNativeSeparators(firmwareImage(files)),
                                            "(40 bytes)"};
    QTest::newRow("clear flash") << "clear flash" << QStringList {"Do you want to continue?"};
}

void TestBackup::answeredNoSendsNothing()
{
    QFETCH(QString, name);
    QFETCH(QStringList, asked);
    const Operation op = operation(name, files);
    auto w = openWindow();
    showPage(w.get(), op.page);
    kestsim::wireLog().clear();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::No;
    op.run(w.get(), dialogs);

    const QString question = questionText(dialogs);
    for (const QString &words : asked)
        QVERIFY2(question.contains(words), qPrintable(question));
    QVERIFY2(question.contains(QDir::toNativeSeparators(kest::backupFolder())),
             qPrintable(question));
    QCOMPARE(dialogs.requests.back().kind, KestMessage::Kind::Question);
    QVERIFY(kestsim::wireLog().reports("set").empty());
    QVERIFY(kestsim::unit().state().kept == unitInUse().kept);
    QCOMPARE(backupFiles(), QStringList());
}

void TestBackup::keepsTheNewestTwentyOfItsOwn()
{
    const QDir folder(kest::backupFolder());
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QStringList own;
    for (int i = 0; i < 25; ++i)
        own << writeFile(
            folder.filePath(QString::asprintf("backup-20000101-0000%02d-000-00.ini", i)), "x");
    // Files and folders of others, some named much like a backup: none of them goes.
    const QStringList foreign {"notes.txt",
                               "backup-20250101-000000-000-00.ini~",
                               "Backup-20250101-000000-000-00.ini",
                               "backup-20250101-000000-000-00.INI",
                               "backup-2025.ini",
                               "backup-20250101-000000-000-0.ini"};
    for (const QString &f : foreign)
        writeFile(folder.filePath(f), "mine");
    QVERIFY(folder.mkdir(QStringLiteral("backup-20240101-000000-000-00.ini")));

    // Two backups at one moment take two names, in the order they were made.
    kest::deviceInit();
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    kest::KestUnit unit;
    QString first = kest::nextBackupPath();
    QString second = first;
    QVERIFY(unit.backUp(first).done());
    QVERIFY(unit.backUp(second).done());
    kest::deviceClose();
    QVERIFY(first != second);
    QVERIFY(QFileInfo(first).fileName() < QFileInfo(second).fileName());

    QStringList kept;
    for (const QString &name : backupFiles())
        if (kest::isBackupFileName(name))
            kept << folder.filePath(name);
    QCOMPARE(kept.size(), kest::BACKUPS_KEPT);
    QCOMPARE(kept, (own.mid(7) << first << second));
    for (const QString &f : foreign)
        QCOMPARE(contents(folder.filePath(f)), QByteArray("mine"));
    QVERIFY(
        QFileInfo(folder.filePath(QStringLiteral("backup-20240101-000000-000-00.ini"))).isDir());

    // A clock set back: the backup made now sorts before the twenty made later by the
    // calendar, and it is still the one kept, in place of the one that sorts first.
    for (const QString &name : kept)
        QVERIFY(QFile::remove(name));
    QStringList later;
    for (int i = 0; i < kest::BACKUPS_KEPT; ++i)
        later << writeFile(
            folder.filePath(QString::asprintf("backup-20990101-0000%02d-000-00.ini", i)), "x");
    QCOMPARE(kest::deviceOpen(), kest::DeviceOpenResult::Opened);
    QString now = kest::nextBackupPath();
    QVERIFY(unit.backUp(now).done());
    kest::deviceClose();
    kept.clear();
    for (const QString &name : backupFiles())
        if (kest::isBackupFileName(name))
            kept << folder.filePath(name);
    QCOMPARE(kept, QStringList {now} << later.mid(1));
}

void TestBackup::theBackupBroughtBackStays_data()
{
    QTest::addColumn<QString>("how");
    for (const char *how :
         {"IMPORT, Yes", "IMPORT, No", "kestctl restore", "kestctl profile import"})
        QTest::newRow(how) << how;
}

void TestBackup::theBackupBroughtBackStays()
{
    QFETCH(QString, how);
    // The oldest of twenty backups is brought back: the backup made first prunes the
    // folder, and must neither delete the file before it is read nor after.
    const QDir folder(kest::backupFolder());
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    const QString chosen = writeFile(folder.filePath("backup-20000101-000000-000-00.ini"),
                                     contents(KEST_TEST_DATA "/backup-valid.ini"));
    for (int i = 1; i < kest::BACKUPS_KEPT; ++i)
        writeFile(folder.filePath(QString::asprintf("backup-20000101-0000%02d-000-00.ini", i)),
                  "x");
    if (how.startsWith("IMPORT")) {
        auto w = openWindow();
        showPage(w.get(), 3);
        DialogCatcher dialogs;
        dialogs.button = how.endsWith("Yes") ? QMessageBox::Yes : QMessageBox::No;
        dialogs.fileNames << chosen;
        child<QPushButton>(w.get(), "pbImport")->click();
    } else {
        QCOMPARE(runCtl(how.endsWith("restore") ? QStringList {"restore", "--yes", chosen}
                                                : QStringList {"profile", "import", chosen}),
                 int(kestctl::ExitDone));
    }
    QVERIFY(QFile::exists(chosen));
    const kestsim::Settings kept = kestsim::unit().state().kept;
    QVERIFY(!kept.slots[9].isFree() && kept.slots[1].isFree()); // "Race" in, "Brake A" out
}

void TestBackup::backupNamesTheProfilesItLeavesOut()
{
    // A name that is no text would not come back as it is: a backup leaves it out, and a
    // restore of it clears the slot. The user is told before the operation the backup is
    // for, not after a restore.
    kestsim::UnitState s = unitInUse();
    s.kept.slots[6] = {kestsim::Bytes {'C', 'a', 'f', 0xE9}, {6, 2, 1, 2, 3, 4, 5}};
    freshUnit(s);
    auto w = openWindow();
    showPage(w.get(), 4);
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    operation(QStringLiteral("clear flash"), files).run(w.get(), dialogs);
    const QStringList told = dialogs.texts();
    QVERIFY2(told.size() == 3 && told.at(1).contains("leaves out slot 6: the name")
                 && told.at(2).startsWith("Flash data has been cleared."),
             qPrintable(told.join('|')));
}

void TestBackup::noBackupNoOperation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folderBlocked"); // else the unit does not answer a range read
    QTest::addColumn<QString>("why");
    QTest::newRow("import, folder blocked") << "import" << true << "No backup could be written";
    QTest::newRow("update, folder blocked") << "update" << true << "No backup could be written";
    QTest::newRow("remove, no calibration read")
        << "remove" << false << "the pedal unit did not tell its calibration";
    QTest::newRow("clear flash, no calibration read")
        << "clear flash" << false << "the pedal unit did not tell its calibration";
}

void TestBackup::noBackupNoOperation()
{
    QFETCH(QString, name);
    QFETCH(bool, folderBlocked);
    QFETCH(QString, why);
    const Operation op = operation(name, files);
    auto w = openWindow();
    showPage(w.get(), op.page);
    if (folderBlocked) {
        // A file where the folder should be.
        QVERIFY(QDir().mkpath(QFileInfo(kest::backupFolder()).absolutePath()));
        writeFile(kest::backupFolder(), "in the way");
    } else {
        // The profile lists are read already: the first reply is the calibration's.
        kestsim::faults().failNextReplies(1, 0);
    }
    kestsim::wireLog().clear();
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes;
    op.run(w.get(), dialogs);

    QCOMPARE(dialogs.requests.back().kind, KestMessage::Kind::Critical);
    const QString told = dialogs.requests.back().text;
    QVERIFY2(told.contains(why) && told.endsWith(QLatin1String("Nothing was changed.")),
             qPrintable(told));
    QCOMPARE(writes(), QStringList());
    QVERIFY(kestsim::unit().state().kept == unitInUse().kept);
    QVERIFY(!QFileInfo(kest::backupFolder()).isDir() || backupFiles().isEmpty());
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
