// The PROFILES page against the simulated unit: the lists rebuilt from the slots, save,
// remove, choosing a profile, and export and import of profile files.

#include "kestaxis.h"
#include "windowsupport.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace testsupport;

namespace {

using Record = std::array<std::uint8_t, 7>;

kestsim::Slot used(const QString &name, Record record)
{
    const QByteArray bytes = name.toUtf8();
    return {kestsim::Bytes(bytes.begin(), bytes.end()), record};
}

kestsim::Slot nameless(Record record)
{
    return {{}, record};
}

/// The unit behind tests/data/profiles-export.ini.
kestsim::UnitState exportState()
{
    kestsim::UnitState s;
    s.kept.slots[0] = used(QStringLiteral("Ölé"), {0, 1, 0, 25, 50, 75, 100});
    s.kept.slots[3] = used("DEFAULT", {3, 2, 10, 20, 30, 40, 50});
    s.kept.slots[4] = used("soft brake", {4, 2, 5, 10, 20, 40, 80});
    s.kept.slots[9] = used("x=y;z", {9, 3, 0xFF, 0, 100, 0x80, 0x7F});
    s.kept.slots[12] = used("5050", {12, 3, 50, 50, 50, 50, 50});
    s.kept.slots[14] = nameless({14, 1, 1, 2, 3, 4, 5}); // reads as free
    s.kept.activeProfile = 0xEF0C0400;
    return s;
}

QString dataFile(const char *name)
{
    return QStringLiteral(KEST_TEST_DATA "/") + QLatin1String(name);
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QComboBox *combo(QWidget *w, int pedal)
{
    const char *names[] = {"cbPro0", "cbPro1", "cbPro2"};
    return child<QComboBox>(w, names[pedal]);
}

KestAxis *editor(QWidget *w, int pedal)
{
    const char *names[] = {"ctAdc0", "ctAdc1", "ctAdc2"};
    return child<KestAxis>(w, names[pedal]);
}

QStringList items(QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray r;
    for (int v : values)
        r.append(char(v));
    return r;
}

/// Replaces the text of a profile list's edit field by typing, as the user does; a
/// completion the field offers on the way is deleted.
void typeName(QComboBox *c, const QString &name)
{
    QLineEdit *edit = c->lineEdit();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Backspace);
    // Key clicks carry Latin-1 only; other characters arrive as pasted text does.
    for (const QChar ch : name) {
        if (ch.unicode() < 0x100)
            QTest::keyClick(edit, ch.toLatin1());
        else
            edit->insert(QString(ch));
    }
    if (edit->hasSelectedText())
        QTest::keyClick(edit, Qt::Key_Delete);
}

void click(QWidget *w, const char *button)
{
    QTest::mouseClick(child(w, button), Qt::LeftButton);
}

/// The window on its PROFILES page, with the wire log emptied after the attach.
std::unique_ptr<MainWindow> openProfiles(const kestsim::UnitState &state)
{
    freshUnit(state);
    auto w = openWindow();
    click(w.get(), "pbS3");
    kestsim::wireLog().clear();
    return w;
}

/// The writes that begin with the given bytes ("02 03", "02 04", "02 0c 0f").
QStringList writesOf(const char *leading)
{
    QStringList out;
    for (const QString &wr : writes())
        if (wr.startsWith(QLatin1String(leading)))
            out << wr;
    return out;
}

/// Stored (marked, committed) active-profile words among the writes.
QStringList storedWords()
{
    QStringList out;
    for (const QString &wr : writesOf("02 0c 0f"))
        if (wr.mid(18, 5) == QLatin1String("ef ef"))
            out << wr;
    return out;
}

QString keptName(int slot)
{
    const kestsim::Bytes n = kestsim::unit().state().kept.slots[std::size_t(slot)].name;
    return QString::fromUtf8(reinterpret_cast<const char *>(n.data()), qsizetype(n.size()));
}

/// The texts of the message boxes shown (file dialogs left out).
QStringList messages(const DialogCatcher &dialogs)
{
    QStringList out;
    for (const auto &r : dialogs.requests)
        if (r.kind == KestMessage::Kind::Information || r.kind == KestMessage::Kind::Critical)
            out << r.text;
    return out;
}

Record keptRecord(int slot)
{
    return kestsim::unit().state().kept.slots[std::size_t(slot)].record;
}

} // namespace

class TestProfilesPage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { freshUnit(); }
    void cleanup() { kestsim::unit().plug(); }

    void reloadListsEachPedalInSlotOrder();
    void reloadPassesOverARecordOfNoPedal_data();
    void reloadPassesOverARecordOfNoPedal();
    void activeWordChoosesTheCurrentProfiles_data();
    void activeWordChoosesTheCurrentProfiles();
    void choosingAProfileAppliesIt();
    void closeStoresTheChosenProfilesOnce();

    void saveOfANewNameTakesTheFirstFreeSlot();
    void saveOnAnErasedUnitUsesSlot0();
    void saveUnderAnExistingNameReusesItsSlot_data();
    void saveUnderAnExistingNameReusesItsSlot();
    void nameConfirmedWithEnterIsANewProfile();
    void saveWhenEverySlotIsUsed();
    void refusedNames_data();
    void refusedNames();
    void defaultInOtherCapitalsIsOrdinary();
    void removeClearsTheSlotAndStoresTheWord();
    void removeOfAnUnknownNameDoesNothing();

    void exportWritesTheListedTable();
    void exportFileNames_data();
    void exportFileNames();
    void exportReplacesAnOlderFile();
    void exportFailureIsReported();
    void exportThatCannotBeCompletedKeepsTheOldFile();
    void exportNamesSlotsThatDoNotComeBack();
    void cancelledDialogsDoNothing();
    void importRejectsBadFiles_data();
    void importRejectsBadFiles();
    void importReplacesEverySlot();
    void importOfOnlyIndexErasesEverySlot();
    void importOfANamelessProfile();
    void exportThenImportCarriesTheTable();
};

void TestProfilesPage::reloadListsEachPedalInSlotOrder()
{
    kestsim::UnitState s;
    s.kept.slots[1] = used("B1", {1, 2, 1, 2, 3, 4, 5});
    s.kept.slots[2] = used("C2", {2, 1, 6, 7, 8, 9, 10});
    s.kept.slots[5] = used("B5", {5, 2, 11, 12, 13, 14, 15});
    s.kept.slots[6] = used("B1", {6, 2, 16, 17, 18, 19, 20}); // same name, both listed
    s.kept.slots[7] = nameless({7, 2, 1, 1, 1, 1, 1});
    s.kept.slots[9] = used("T9", {9, 3, 21, 22, 23, 24, 25});
    freshUnit(s);
    auto w = openWindow();
    QCOMPARE(items(combo(w.get(), 0)), QStringList {"C2"});
    QCOMPARE(items(combo(w.get(), 1)), (QStringList {"B1", "B5", "B1"}));
    QCOMPARE(items(combo(w.get(), 2)), QStringList {"T9"});
    QCOMPARE(combo(w.get(), 1)->itemData(1).toByteArray(), bytes({5, 2, 11, 12, 13, 14, 15}));
    // records are read only for used slots
    QStringList expected {"0900", "0c07"};
    for (int slot = 0; slot < 16; ++slot) {
        expected << QString::asprintf("03%02x", slot);
        if (slot == 1 || slot == 2 || slot == 5 || slot == 6 || slot == 9)
            expected << QString::asprintf("04%02x", slot);
    }
    expected << "0c0f"
             << "0501";
    QCOMPARE(readRequests(), expected);
    // the unmarked stored word selects nothing: first items, their curves shown
    QCOMPARE(combo(w.get(), 1)->currentIndex(), 0);
    QCOMPARE(editor(w.get(), 0)->curve(), bytes({6, 7, 8, 9, 10}));
    QCOMPARE(editor(w.get(), 1)->curve(), bytes({1, 2, 3, 4, 5}));
    QCOMPARE(editor(w.get(), 2)->curve(), bytes({21, 22, 23, 24, 25}));
    QCOMPARE(kestsim::unit().inEffect().activeProfile, 0x00090102u); // and put into effect
}

void TestProfilesPage::reloadPassesOverARecordOfNoPedal_data()
{
    QTest::addColumn<int>("pedalCode");
    QTest::newRow("0") << 0;
    QTest::newRow("4") << 4;
    QTest::newRow("255") << 255;
}

void TestProfilesPage::reloadPassesOverARecordOfNoPedal()
{
    // A record of no pedal is passed over: the slot stays in use, in no list, and the
    // slots after it and the active word are read as usual. The user is told once.
    QFETCH(int, pedalCode);
    kestsim::UnitState s;
    s.kept.slots[0] = used("C0", {0, 1, 1, 2, 3, 4, 5});
    s.kept.slots[2] = used("B2", {2, 2, 1, 2, 3, 4, 5});
    s.kept.slots[3] = used("X", {3, std::uint8_t(pedalCode), 1, 2, 3, 4, 5});
    s.kept.slots[5] = used("T5", {5, 3, 1, 2, 3, 4, 5});
    s.kept.activeProfile = 0xEF050200;
    freshUnit(s);
    DialogCatcher dialogs;
    auto w = openWindow();
    QCOMPARE(items(combo(w.get(), 0)), QStringList {"C0"});
    QCOMPARE(items(combo(w.get(), 1)), QStringList {"B2"});
    QCOMPARE(items(combo(w.get(), 2)), QStringList {"T5"});
    QStringList expected {"0900", "0c07"};
    for (int slot = 0; slot < 16; ++slot) {
        expected << QString::asprintf("03%02x", slot);
        if (slot == 0 || slot == 2 || slot == 3 || slot == 5)
            expected << QString::asprintf("04%02x", slot);
    }
    expected << "0c0f"
             << "0501";
    QCOMPARE(readRequests(), expected);
    QVERIFY(writes().isEmpty()); // the unit's own choice, nothing to put into effect
    QCOMPARE(dialogs.texts().size(), 1);
    QVERIFY(dialogs.texts().first().contains("slot 3 (\"X\")"));
}

void TestProfilesPage::activeWordChoosesTheCurrentProfiles_data()
{
    QTest::addColumn<quint32>("word");
    QTest::addColumn<QString>("brake");
    QTest::addColumn<QString>("throttle");
    QTest::newRow("marked") << 0xEF0A0600u << "B6"
                            << "T10";
    // Without the mark: the choice in effect, another program's for now (a game's).
    QTest::newRow("unmarked") << 0x000A0600u << "B6"
                              << "T10";
    // THROTTLE's slot 0xEF holds none of its profiles: its first in its place.
    QTest::newRow("mark in the wrong byte") << 0x00EF0600u << "B6"
                                            << "T8";
    QTest::newRow("marked, slots absent") << 0xEF0F0F0Fu << "B2"
                                          << "T8";
}

void TestProfilesPage::activeWordChoosesTheCurrentProfiles()
{
    QFETCH(quint32, word);
    QFETCH(QString, brake);
    QFETCH(QString, throttle);
    kestsim::UnitState s;
    s.kept.slots[2] = used("B2", {2, 2, 1, 1, 1, 1, 1});
    s.kept.slots[6] = used("B6", {6, 2, 6, 6, 6, 6, 6});
    s.kept.slots[8] = used("T8", {8, 3, 8, 8, 8, 8, 8});
    s.kept.slots[10] = used("T10", {10, 3, 10, 10, 10, 10, 10});
    s.kept.activeProfile = word;
    freshUnit(s);
    auto w = openWindow();
    QCOMPARE(combo(w.get(), 0)->currentIndex(), -1);
    QCOMPARE(combo(w.get(), 1)->currentText(), brake);
    QCOMPARE(combo(w.get(), 2)->currentText(), throttle);
    const QByteArray brakeRecord = combo(w.get(), 1)->currentData().toByteArray();
    QCOMPARE(editor(w.get(), 1)->curve(), brakeRecord.mid(2));
    // the unit uses the profiles shown, and what it keeps is untouched
    const std::uint32_t shown = std::uint32_t(brakeRecord[0]) << 8
        | std::uint32_t(combo(w.get(), 2)->currentData().toByteArray()[0]) << 16;
    QCOMPARE(kestsim::unit().inEffect().activeProfile & 0xFFFFFF, shown);
    QCOMPARE(kestsim::unit().state().kept.activeProfile, word);
}

void TestProfilesPage::choosingAProfileAppliesIt()
{
    kestsim::UnitState s;
    s.kept.slots[1] = used("Soft", {1, 2, 10, 20, 30, 40, 50});
    s.kept.slots[4] = used("Hard", {4, 2, 60, 70, 80, 90, 100});
    s.kept.slots[7] = used("Gas", {7, 3, 5, 5, 5, 5, 5});
    s.kept.activeProfile = 0xEF070100;
    auto w = openProfiles(s);
    QComboBox *brake = combo(w.get(), 1);
    QCOMPARE(brake->currentText(), QStringLiteral("Soft"));
    QTest::keyClick(brake, Qt::Key_Down); // the next profile of the list
    QCOMPARE(brake->currentText(), QStringLiteral("Hard"));
    QCOMPARE(editor(w.get(), 1)->curve(), bytes({60, 70, 80, 90, 100}));
    QCOMPARE(editor(w.get(), 2)->curve(), bytes({5, 5, 5, 5, 5}));
    QCOMPARE(writes(), QStringList {hexOf(report("02 0c 0f 00 04 07 00 00"))});
    QVERIFY(readRequests().isEmpty());
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF070100u);
}

void TestProfilesPage::closeStoresTheChosenProfilesOnce()
{
    kestsim::UnitState s;
    s.kept.slots[1] = used("Soft", {1, 2, 10, 20, 30, 40, 50});
    s.kept.slots[4] = used("Hard", {4, 2, 60, 70, 80, 90, 100});
    s.kept.activeProfile = 0xEF000100;
    {
        auto w = openProfiles(s);
        QTest::keyClick(combo(w.get(), 1), Qt::Key_Down);
        kestsim::wireLog().clear();
        click(w.get(), "pbClose");
        QCOMPARE(writes(), QStringList {hexOf(report("02 0c 0f 00 04 00 ef ef"))});
        QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF000400u);
    }
    // a stored choice of a later item survives an attach and a close untouched
    s.kept.activeProfile = 0xEF000400;
    auto w = openProfiles(s);
    QCOMPARE(combo(w.get(), 1)->currentText(), QStringLiteral("Hard"));
    click(w.get(), "pbClose");
    QVERIFY(writes().isEmpty());
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF000400u);
    QCOMPARE(readRequests(), QStringList {"0c0f"});
}

void TestProfilesPage::saveOfANewNameTakesTheFirstFreeSlot()
{
    kestsim::UnitState s;
    s.kept.slots[0] = used("Brake", {0, 2, 1, 2, 3, 4, 5});
    s.kept.slots[1] = used("Gas", {1, 3, 1, 2, 3, 4, 5});
    s.kept.slots[3] = used("Race", {3, 3, 9, 9, 9, 9, 9});
    s.kept.activeProfile = 0xEF010000;
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    editor(w.get(), 2)->setCurve(bytes({11, 22, 44, 66, 88}));
    typeName(combo(w.get(), 2), "Sport");
    kestsim::wireLog().clear();
    click(w.get(), "pbSavePro2");

    QCOMPARE(messages(dialogs), QStringList {"Profile is saved"});
    QCOMPARE(writesOf("02 03"), QStringList {hexOf(report("02 03 02 53 70 6f 72 74 00"))});
    QCOMPARE(writesOf("02 04"), QStringList {hexOf(report("02 04 02 03 ef 0b 16 2c 42 58"))});
    // the saved profile becomes the stored THROTTLE profile
    QCOMPARE(storedWords(), QStringList {hexOf(report("02 0c 0f 00 00 02 ef ef"))});
    QCOMPARE(keptName(2), QStringLiteral("Sport"));
    QCOMPARE(keptRecord(2), (Record {2, 3, 11, 22, 44, 66, 88}));
    QCOMPARE(items(combo(w.get(), 2)), (QStringList {"Gas", "Sport", "Race"}));
    QCOMPARE(combo(w.get(), 2)->currentText(), QStringLiteral("Sport"));
    QCOMPARE(editor(w.get(), 2)->curve(), bytes({11, 22, 44, 66, 88}));
}

void TestProfilesPage::saveOnAnErasedUnitUsesSlot0()
{
    auto w = openProfiles(kestsim::UnitState());
    QVERIFY(items(combo(w.get(), 0)).isEmpty());
    QVERIFY(items(combo(w.get(), 1)).isEmpty());
    QVERIFY(items(combo(w.get(), 2)).isEmpty());
    DialogCatcher dialogs;
    typeName(combo(w.get(), 0), "A");
    click(w.get(), "pbSavePro0");
    QCOMPARE(messages(dialogs), QStringList {"Profile is saved"});
    QCOMPARE(keptName(0), QStringLiteral("A"));
    QCOMPARE(keptRecord(0)[1], std::uint8_t(1));
    QCOMPARE(items(combo(w.get(), 0)), QStringList {"A"});
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF000000u);
}

void TestProfilesPage::saveUnderAnExistingNameReusesItsSlot_data()
{
    QTest::addColumn<bool>("curveChanged");
    QTest::newRow("curve changed") << true;
    QTest::newRow("curve unchanged") << false;
}

void TestProfilesPage::saveUnderAnExistingNameReusesItsSlot()
{
    QFETCH(bool, curveChanged);
    kestsim::UnitState s;
    s.kept.slots[2] = used("Other", {2, 2, 1, 1, 1, 1, 1});
    s.kept.slots[7] = used("Brake", {7, 2, 10, 20, 30, 40, 50});
    s.kept.activeProfile = 0xEF000700;
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    QComboBox *c = combo(w.get(), 1);
    QCOMPARE(c->currentText(), QStringLiteral("Brake"));
    if (curveChanged)
        editor(w.get(), 1)->setCurve(bytes({15, 25, 35, 45, 55}));
    click(w.get(), "pbSavePro1");

    QCOMPARE(messages(dialogs), QStringList {"Profile is saved"});
    const QStringList expected = curveChanged
        ? QStringList {hexOf(report("02 03 07 42 72 61 6b 65 00")),
                       hexOf(report("02 04 07 02 ef 0f 19 23 2d 37"))}
        : QStringList();
    QCOMPARE(writesOf("02 03") + writesOf("02 04"), expected);
    QVERIFY(storedWords().isEmpty()); // the stored word already names slot 7
    QCOMPARE(readRequests().count("0300"), 1); // by the reload: no free slot was looked for
    QCOMPARE(items(c), (QStringList {"Other", "Brake"}));
    QCOMPARE(c->currentText(), QStringLiteral("Brake"));
    QCOMPARE(keptRecord(7)[2], std::uint8_t(curveChanged ? 15 : 10));
}

void TestProfilesPage::nameConfirmedWithEnterIsANewProfile()
{
    kestsim::UnitState s;
    s.kept.slots[0] = used("Old", {0, 2, 1, 2, 3, 4, 5});
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    QComboBox *c = combo(w.get(), 1);
    typeName(c, "Fresh");
    QTest::keyClick(c->lineEdit(), Qt::Key_Return); // the list adds an item of no slot
    QCOMPARE(items(c), (QStringList {"Old", "Fresh"}));
    QVERIFY(writes().isEmpty());
    click(w.get(), "pbSavePro1");
    QCOMPARE(keptName(1), QStringLiteral("Fresh"));
    QCOMPARE(keptName(0), QStringLiteral("Old"));
    QCOMPARE(items(c), (QStringList {"Old", "Fresh"}));
    QCOMPARE(c->currentData().toByteArray().left(2), bytes({1, 2}));
}

void TestProfilesPage::saveWhenEverySlotIsUsed()
{
    kestsim::UnitState s;
    for (std::uint8_t slot = 0; slot < 16; ++slot)
        s.kept.slots[slot] = used(QStringLiteral("P%1").arg(slot), {slot, 3, 1, 2, 3, 4, 5});
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    const auto before = kestsim::unit().state().kept.slots;
    typeName(combo(w.get(), 2), "New");
    click(w.get(), "pbSavePro2");
    QCOMPARE(messages(dialogs), QStringList {"Profile is full"});
    QVERIFY(writes().isEmpty());
    QVERIFY(kestsim::unit().state().kept.slots == before);
    QCOMPARE(combo(w.get(), 2)->count(), 16); // no item was added
}

void TestProfilesPage::refusedNames_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("save DEFAULT") << "pbSavePro1"
                                  << "DEFAULT"
                                  << "Can not save to DEFAULT, please use a different name.";
    QTest::newRow("remove DEFAULT") << "pbDelPro1"
                                    << "DEFAULT"
                                    << "DEFAULT can not be removed.";
    QTest::newRow("save empty") << "pbSavePro1"
                                << ""
                                << "Please enter a profile name.";
    QTest::newRow("save 17 bytes") << "pbSavePro1"
                                   << "ABCDEFGHIJKLMNOPQ"
                                   << "Profile name is too long: 16 bytes at most (accented "
                                      "letters take two).";
    QTest::newRow("save U+FFFD") << "pbSavePro1"
                                 << "Wet\uFFFD"
                                 << "Profile name holds a character that cannot be stored (a "
                                    "zero byte or an unreadable character).";
    QTest::newRow("save 9 letters of 2 bytes")
        << "pbSavePro1" << QString(9, QChar(0xD6))
        << "Profile name is too long: 16 bytes at most (accented letters take two).";
}

void TestProfilesPage::refusedNames()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, message);
    kestsim::UnitState s;
    s.kept.slots[3] = used("DEFAULT", {3, 2, 10, 20, 30, 40, 50});
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    const auto before = kestsim::unit().state().kept;
    if (name != QLatin1String("DEFAULT"))
        typeName(combo(w.get(), 1), name);
    QCOMPARE(combo(w.get(), 1)->currentText(), name);
    click(w.get(), button.toLatin1().constData());
    QCOMPARE(messages(dialogs), QStringList {message});
    QCOMPARE(dialogs.requests.front().title, QStringLiteral("Notify"));
    QVERIFY(kestsim::wireLog().reports("set").empty());
    QVERIFY(kestsim::unit().state().kept == before);
}

void TestProfilesPage::defaultInOtherCapitalsIsOrdinary()
{
    kestsim::UnitState s;
    s.kept.slots[3] = used("DEFAULT", {3, 2, 10, 20, 30, 40, 50});
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    QComboBox *c = combo(w.get(), 1);
    typeName(c, "default");
    click(w.get(), "pbSavePro1");
    QCOMPARE(messages(dialogs), QStringList {"Profile is saved"});
    QCOMPARE(keptName(0), QStringLiteral("default"));
    QCOMPARE(items(c), (QStringList {"default", "DEFAULT"}));

    typeName(c, "Exactly16Letters"); // the longest name that fits
    click(w.get(), "pbSavePro1");
    QCOMPARE(keptName(1), QStringLiteral("Exactly16Letters"));
    QCOMPARE(items(c), (QStringList {"default", "Exactly16Letters", "DEFAULT"}));

    typeName(c, "default");
    click(w.get(), "pbDelPro1");
    QCOMPARE(keptName(0), QString());
    QCOMPARE(keptName(3), QStringLiteral("DEFAULT"));
    QCOMPARE(items(c), (QStringList {"Exactly16Letters", "DEFAULT"}));
}

void TestProfilesPage::removeClearsTheSlotAndStoresTheWord()
{
    kestsim::UnitState s;
    s.kept.slots[4] = used("B4", {4, 2, 1, 2, 3, 4, 5});
    s.kept.slots[6] = used("B6", {6, 2, 6, 7, 8, 9, 10});
    s.kept.slots[8] = used("B4", {8, 2, 9, 9, 9, 9, 9}); // a second B4
    s.kept.activeProfile = 0xEF000400;
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    QCOMPARE(combo(w.get(), 1)->currentText(), QStringLiteral("B4"));
    click(w.get(), "pbDelPro1");
    QVERIFY(messages(dialogs).isEmpty());
    // only the first B4 goes; the name write carries just the terminator
    QCOMPARE(writesOf("02 03"), QStringList {hexOf(report("02 03 04 00"))});
    QCOMPARE(writesOf("02 04"), QStringList {hexOf(report("02 04 04 00 ef"))});
    QCOMPARE(items(combo(w.get(), 1)), (QStringList {"B6", "B4"}));
    // the word is computed from the reloaded list, whose first item is now B6
    QCOMPARE(storedWords(), QStringList {hexOf(report("02 0c 0f 00 06 00 ef ef"))});
    QCOMPARE(keptName(4), QString());
    QCOMPARE(keptRecord(4), (Record {4, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(keptName(8), QStringLiteral("B4"));
}

void TestProfilesPage::removeOfAnUnknownNameDoesNothing()
{
    kestsim::UnitState s;
    s.kept.slots[4] = used("B4", {4, 2, 1, 2, 3, 4, 5});
    s.kept.slots[5] = used("C5", {5, 1, 1, 2, 3, 4, 5}); // the name of another pedal
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    for (const char *name : {"Nothing", "C5", "b4"}) {
        typeName(combo(w.get(), 1), name);
        click(w.get(), "pbDelPro1");
    }
    QVERIFY(dialogs.requests.empty());
    QVERIFY(kestsim::wireLog().reports("set").empty());
    QCOMPARE(keptName(4), QStringLiteral("B4"));
}

void TestProfilesPage::exportWritesTheListedTable()
{
    QTemporaryDir dir;
    auto w = openProfiles(exportState());
    DialogCatcher dialogs;
    dialogs.fileNames << dir.filePath("profiles");
    click(w.get(), "pbExport");
    QVERIFY(messages(dialogs).isEmpty());
    QCOMPARE(dialogs.requests.front().kind, KestMessage::Kind::SaveFile);
    QVERIFY(dialogs.requests.front().text.isEmpty()); // no filter
    QCOMPARE(contents(dir.filePath("profiles.ini")), contents(dataFile("profiles-export.ini")));
    QVERIFY(kestsim::wireLog().reports("set").empty()); // the unit is not asked
}

void TestProfilesPage::exportFileNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no suffix") << "profiles"
                               << "profiles.ini";
    QTest::newRow("suffix") << "mine.ini"
                            << "mine.ini";
    QTest::newRow("capital suffix") << "PROFILES.INI"
                                    << "PROFILES.INI.ini";
}

void TestProfilesPage::exportFileNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir dir;
    auto w = openProfiles(exportState());
    DialogCatcher dialogs;
    dialogs.fileNames << dir.filePath(chosen);
    click(w.get(), "pbExport");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {written});
    // the status line names the file written, the box stays away
    QCOMPARE(
        child<QLabel>(w.get(), "lbProfilesStatus")->toolTip(),
        QString("Profiles written to %1.").arg(QDir::toNativeSeparators(dir.filePath(written))));
}

void TestProfilesPage::exportReplacesAnOlderFile()
{
    QTemporaryDir dir;
    const QString path = writeFile(dir.filePath("old.ini"),
                                   "[General]\n15Stale=@ByteArray(\\xf\\x1\\x0\\x0\\x0\\x0\\x0)\n"
                                   "INDEX=4009754624\n[group]\nkey=1\n");
    auto w = openProfiles(exportState());
    DialogCatcher dialogs;
    dialogs.fileNames << path;
    click(w.get(), "pbExport");
    QCOMPARE(contents(path), contents(dataFile("profiles-export.ini")));
}

void TestProfilesPage::exportFailureIsReported()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("taken.ini"));
    auto w = openProfiles(exportState());
    DialogCatcher dialogs;
    dialogs.fileNames << dir.filePath("taken");
    click(w.get(), "pbExport");
    QCOMPARE(messages(dialogs), QStringList {"The profile file could not be written."});
    QCOMPARE(dialogs.requests.back().title, QStringLiteral("Notify"));
    QCOMPARE(child<QLabel>(w.get(), "lbProfilesStatus")->text(), QString());
    QVERIFY(QFileInfo(dir.filePath("taken.ini")).isDir());
}

void TestProfilesPage::exportThatCannotBeCompletedKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("file-size limits are a Unix matter");
#else
    // A full disk, made with a file-size limit while the export writes.
    QTemporaryDir dir;
    const QByteArray old
        = "[General]\n01Old=@ByteArray(\\x1\\x1\\0\\0\\0\\0\\0)\nINDEX=4009754624\n";
    const QString path = writeFile(dir.filePath("profiles.ini"), old);
    auto w = openProfiles(exportState());
    DialogCatcher dialogs;
    dialogs.fileNames << path;
    rlimit before {};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto handler = ::signal(SIGXFSZ, SIG_IGN); // EFBIG rather than the end
    {
        const auto restore = qScopeGuard([&] {
            ::setrlimit(RLIMIT_FSIZE, &before);
            ::signal(SIGXFSZ, handler);
        });
        rlimit small = before;
        small.rlim_cur = 64;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        click(w.get(), "pbExport");
    }
    QCOMPARE(messages(dialogs),
             QStringList {"The profile file could not be written. The file "
                          "that was there is kept as it was."});
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"profiles.ini"});
#endif
}

void TestProfilesPage::exportNamesSlotsThatDoNotComeBack()
{
    // Bytes that are no UTF-8 are listed as U+FFFD: imported, they would change.
    kestsim::UnitState s = exportState();
    s.kept.slots[6] = {kestsim::Bytes {'C', 'a', 'f', 0xE9}, {6, 2, 1, 2, 3, 4, 5}};
    QTemporaryDir dir;
    auto w = openProfiles(s);
    DialogCatcher dialogs;
    dialogs.fileNames << dir.filePath("p.ini");
    click(w.get(), "pbExport");
    QCOMPARE(messages(dialogs),
             QStringList {"The profiles were exported except slot 6: the name that the pedal "
                          "unit holds there is not valid text, and it would not come back as it "
                          "is."});
    QVERIFY(!contents(dir.filePath("p.ini")).contains("06"));
    QCOMPARE(contents(dir.filePath("p.ini")), contents(dataFile("profiles-export.ini")));
}

void TestProfilesPage::cancelledDialogsDoNothing()
{
    auto w = openProfiles(exportState());
    DialogCatcher dialogs; // answers both dialogs with an empty name
    click(w.get(), "pbExport");
    click(w.get(), "pbImport");
    QCOMPARE(dialogs.requests.size(), std::size_t(2));
    QCOMPARE(dialogs.requests.back().kind, KestMessage::Kind::OpenFile);
    QVERIFY(dialogs.requests.back().text.isEmpty()); // no filter
    QVERIFY(kestsim::wireLog().reports("set").empty());
}

void TestProfilesPage::importRejectsBadFiles_data()
{
    QTest::addColumn<QString>("fixture"); // empty: no file at all
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message");
    const QString invalid = QStringLiteral("INI file is not valid.");
    QTest::newRow("other suffix") << "import-valid.ini"
                                  << "profiles.INI"
                                  << "Please choose INI file";
    QTest::newRow("no INDEX") << "import-no-index.ini"
                              << "p.ini" << invalid;
    QTest::newRow("INDEX without the mark") << "import-index-unmarked.ini"
                                            << "p.ini" << invalid;
    QTest::newRow("INDEX as text") << "import-index-text.ini"
                                   << "p.ini" << invalid;
    QTest::newRow("keys in a group") << "import-group.ini"
                                     << "p.ini" << invalid;
    QTest::newRow("short record after a good one") << "import-short-record.ini"
                                                   << "p.ini" << invalid;
    QTest::newRow("text for a record") << "import-text-record.ini"
                                       << "p.ini" << invalid;
    QTest::newRow("slot 16") << "import-slot-out-of-range.ini"
                             << "p.ini" << invalid;
    QTest::newRow("missing file") << ""
                                  << "p.ini" << invalid;
}

void TestProfilesPage::importRejectsBadFiles()
{
    QFETCH(QString, fixture);
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(chosen);
    if (!fixture.isEmpty())
        QVERIFY(QFile::copy(dataFile(fixture.toLatin1().constData()), path));
    auto w = openProfiles(exportState());
    const QStringList brakesBefore = items(combo(w.get(), 1));
    DialogCatcher dialogs;
    dialogs.fileNames << path;
    click(w.get(), "pbImport");
    // a refused file's box names the failing key on a second line
    const QStringList shown = messages(dialogs);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().section(QLatin1Char('\n'), 0, 0), message);
    QCOMPARE(dialogs.requests.back().title, QStringLiteral("Notify"));
    QVERIFY(writes().isEmpty());
    QVERIFY(kestsim::wireLog().reports("set").empty()); // not even a read
    QVERIFY(kestsim::unit().state().kept == exportState().kept);
    QCOMPARE(items(combo(w.get(), 1)), brakesBefore);
}

void TestProfilesPage::importReplacesEverySlot()
{
    auto w = openProfiles(exportState());
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    dialogs.fileNames << dataFile("import-valid.ini");
    click(w.get(), "pbImport");
    QVERIFY(messages(dialogs).isEmpty());
    QCOMPARE(child<QLabel>(w.get(), "lbProfilesStatus")->toolTip(),
             QString("Profiles imported from %1.")
                 .arg(QDir::toNativeSeparators(dataFile("import-valid.ini"))));

    // every slot is cleared first, in order, then the file's profiles are written
    const QStringList names = writesOf("02 03");
    QCOMPARE(names.size(), 16 + 4);
    for (int slot = 0; slot < 16; ++slot)
        QCOMPARE(names[slot], hexOf(report(qPrintable(QString::asprintf("02 03 %02x 00", slot)))));
    const QStringList curves = writesOf("02 04");
    QCOMPARE(curves.size(), 16 + 4);
    QCOMPARE(curves[16], hexOf(report("02 04 00 01 ef 00 19 32 4b 64")));
    QCOMPARE(curves[18], hexOf(report("02 04 09 03 ef 05 0a 14 28 50"))); // key 07, slot 9

    for (int slot : {1, 2, 4, 5, 6, 7, 8, 10, 11, 13, 14, 15}) {
        QCOMPARE(keptName(slot), QString());
        QCOMPARE(keptRecord(slot), (Record {std::uint8_t(slot), 0, 0, 0, 0, 0, 0}));
    }
    QCOMPARE(keptName(0), QStringLiteral("Clutch Soft"));
    QCOMPARE(keptName(3), QStringLiteral("DEFAULT"));
    QCOMPARE(keptName(9), QStringLiteral("Race"));
    QCOMPARE(keptRecord(12), (Record {12, 2, 50, 70, 80, 90, 95}));

    QCOMPARE(items(combo(w.get(), 0)), QStringList {"Clutch Soft"});
    QCOMPARE(items(combo(w.get(), 1)), (QStringList {"DEFAULT", "Brake Hard"}));
    QCOMPARE(items(combo(w.get(), 2)), QStringList {"Race"});
    // INDEX names slot 5 for the clutch (absent: first item), 12 and 9
    QCOMPARE(combo(w.get(), 1)->currentText(), QStringLiteral("Brake Hard"));
    QCOMPARE(editor(w.get(), 1)->curve(), bytes({50, 70, 80, 90, 95}));
    QCOMPARE(storedWords(), QStringList {hexOf(report("02 0c 0f 00 0c 09 ef ef"))});
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF090C00u);
}

void TestProfilesPage::importOfOnlyIndexErasesEverySlot()
{
    auto w = openProfiles(exportState());
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    dialogs.fileNames << dataFile("import-only-index.ini");
    click(w.get(), "pbImport");
    QVERIFY(messages(dialogs).isEmpty());
    for (int slot = 0; slot < 16; ++slot) {
        QCOMPARE(keptName(slot), QString());
        QCOMPARE(keptRecord(slot), (Record {std::uint8_t(slot), 0, 0, 0, 0, 0, 0}));
    }
    for (int p = 0; p < 3; ++p)
        QCOMPARE(combo(w.get(), p)->count(), 0);
    QCOMPARE(kestsim::unit().state().kept.activeProfile, 0xEF000000u);
}

void TestProfilesPage::importOfANamelessProfile()
{
    auto w = openProfiles(exportState());
    DialogCatcher dialogs;
    dialogs.fileNames << dataFile("import-empty-name.ini");
    click(w.get(), "pbImport");
    // an empty name would make its slot read as free: the file is refused, nothing sent
    QCOMPARE(messages(dialogs),
             QStringList {"INI file is not valid.\nKey \"03\": the profile has no name."});
    QVERIFY(writes().isEmpty());
    QVERIFY(kestsim::unit().state().kept == exportState().kept);
}

void TestProfilesPage::exportThenImportCarriesTheTable()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("carry.ini");
    kestsim::UnitState source = exportState();
    source.kept.activeProfile = 0xEF090300; // DEFAULT for the brake, x=y;z for the throttle
    source.kept.slots[9] = used("x=y;z", {9, 3, 0, 0, 100, 80, 99}); // a curve the editor makes
    // names with the signs of the file format, and of QSettings' sections
    source.kept.slots[1] = used("A/B", {1, 1, 1, 2, 3, 4, 5});
    source.kept.slots[2] = used("Wet/", {2, 2, 1, 2, 3, 4, 5});
    source.kept.slots[5] = used("/lead", {5, 3, 1, 2, 3, 4, 5});
    source.kept.slots[6] = used("a//b %41\\;#\"", {6, 3, 1, 2, 3, 4, 5});
    source.kept.slots[7] = used(" \tend ", {7, 3, 1, 2, 3, 4, 5});
    {
        auto w = openProfiles(source);
        DialogCatcher dialogs;
        dialogs.fileNames << path;
        click(w.get(), "pbExport");
        QVERIFY(messages(dialogs).isEmpty());
    }
    kestsim::UnitState other;
    other.kept.slots[8] = used("Gone", {8, 1, 1, 2, 3, 4, 5});
    auto w = openProfiles(other);
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    dialogs.fileNames << path;
    click(w.get(), "pbImport");
    QVERIFY(messages(dialogs).isEmpty());
    const auto kept = kestsim::unit().state().kept;
    for (int slot : {0, 1, 2, 3, 4, 5, 6, 7, 9, 12})
        QVERIFY2(kept.slots[std::size_t(slot)] == source.kept.slots[std::size_t(slot)],
                 qPrintable(QString::number(slot)));
    QVERIFY(kept.slots[8].name.empty());
    QVERIFY(kept.slots[14].name.empty()); // the nameless slot was not listed
    QCOMPARE(kept.activeProfile, 0xEF090300u);
    QCOMPARE(combo(w.get(), 2)->currentText(), QStringLiteral("x=y;z"));
}

QTEST_MAIN(TestProfilesPage)
#include "tst_profilespage.moc"
