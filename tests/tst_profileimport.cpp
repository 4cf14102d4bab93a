// Importing profile files through the PROFILES page: each file of the table is either
// taken, leaving the unit with exactly its profiles, or refused before anything reaches
// the unit, with a message that names the failing line or key.

#include "windowsupport.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace testsupport;

namespace {

/// A used slot as the table lists it: "slot name: record bytes in hex".
using SlotList = QStringList;

kestsim::Slot used(const char *name, std::array<std::uint8_t, 7> record)
{
    const std::string n(name);
    return {kestsim::Bytes(n.begin(), n.end()), record};
}

/// A unit with one profile per pedal and a stored choice, so that both a wrong write and
/// a wrong clear would show.
kestsim::UnitState startState()
{
    kestsim::UnitState s;
    s.kept.slots[1] = used("Old clutch", {1, 1, 10, 20, 30, 40, 50});
    s.kept.slots[2] = used("Old brake", {2, 2, 10, 20, 30, 40, 50});
    s.kept.slots[7] = used("Old gas", {7, 3, 10, 20, 30, 40, 50});
    s.kept.activeProfile = 0xEF070201;
    return s;
}

SlotList keptSlots()
{
    SlotList out;
    const auto &slots = kestsim::unit().state().kept.slots;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (slots[i].isFree())
            continue;
        const QString name = QString::fromUtf8(reinterpret_cast<const char *>(slots[i].name.data()),
                                               qsizetype(slots[i].name.size()));
        out << QString::asprintf("%zu ", i) + name + QStringLiteral(": ")
                + testsupport::hexText(slots[i].record.data(), slots[i].record.size());
    }
    return out;
}

QStringList items(QComboBox *c)
{
    QStringList out;
    for (int i = 0; i < c->count(); ++i)
        out << c->itemText(i);
    return out;
}

/// The three lists and their current items, as one text.
QString lists(QWidget *w)
{
    QStringList out;
    for (const char *name : {"cbPro0", "cbPro1", "cbPro2"}) {
        auto *c = child<QComboBox>(w, name);
        out << items(c).join(QLatin1Char(',')) + QStringLiteral(" [") + c->currentText()
                + QLatin1Char(']');
    }
    return out.join(QStringLiteral(" | "));
}

std::unique_ptr<MainWindow> openProfiles(const kestsim::UnitState &state)
{
    freshUnit(state);
    auto w = openWindow();
    QTest::mouseClick(child(w.get(), "pbS3"), Qt::LeftButton);
    kestsim::wireLog().clear();
    return w;
}

QStringList messages(const DialogCatcher &dialogs)
{
    QStringList out;
    for (const auto &r : dialogs.requests)
        if (r.kind == KestMessage::Kind::Information)
            out << r.text;
    return out;
}

} // namespace

class TestProfileImport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { kestsim::unit().plug(); }

    void importsTheFileOrNothing_data();
    void importsTheFileOrNothing();
    void filesThatCannotBeReadAtOnce_data();
    void filesThatCannotBeReadAtOnce();
};

void TestProfileImport::importsTheFileOrNothing_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<SlotList>("slots"); // the unit's used slots after a taken file
    QTest::addColumn<quint32>("word"); // the stored choice after a taken file
    QTest::addColumn<QString>("problem"); // start of the message's second line if refused

    const QString clutch = QStringLiteral("0 Clutch: 00 01 11 21 32 43 53");
    const QString brake = QStringLiteral("5 Brake: 05 02 05 0a 14 28 50");
    const SlotList none;

    // hand-made files that are taken
    QTest::newRow("CR LF") << "import-crlf.ini" << SlotList {clutch, brake} << 0xEF000500u << "";
    QTest::newRow("comments") << "import-comments.ini" << SlotList {clutch, brake} << 0xEF000500u
                              << "";
    QTest::newRow("reordered") << "import-reordered.ini"
                               << SlotList {clutch, brake,
                                            QStringLiteral("9 Gas: 09 03 06 14 32 50 5e")}
                               << 0xEF090500u << "";
    QTest::newRow("%U escapes")
        << "import-percent-u.ini"
        << SlotList {QStringLiteral("5 Fr\u00e9n\u00e9e: 05 02 05 0a 14 28 50"),
                     QStringLiteral("6 \u00c9t\u00e9: 06 03 06 14 32 50 5e")}
        << 0xEF060500u << "";
    QTest::newRow("long record") << "import-long-record.ini" << SlotList {clutch} << 0xEF000000u
                                 << "";
    QTest::newRow("only INDEX clears the table")
        << "import-only-index.ini" << none << 0xEF000000u << "";

    // files that would have lost profiles
    auto refused = [&](const char *row, const char *file, const char *why) {
        QTest::newRow(row) << file << none << 0u << why;
    };
    refused("pedal code 4", "import-pedal-code-4.ini", "Key \"03Odd\": pedal code 4;");
    refused("raw ; in the only profile's key", "import-raw-semicolon.ini", "Line 2 is no key");
    refused("line without =", "import-stray-line.ini", "Line 3 is neither a key");
    refused("name begins with a zero byte", "import-zero-byte-name.ini", "Key \"05%00Brake\"");
    refused("no name", "import-empty-name.ini", "Key \"03\": the profile has no name.");
    refused("backslash at a line end", "import-continued-line.ini", "Line 2 runs on");
    // files whose profiles were dropped or changed without a word
    refused("same slot twice", "import-same-slot.ini",
            "Keys \"05Brake\" and \"06Rain\" are both for slot 5");
    refused("same key twice", "import-same-key.ini",
            "Line 4: the key \"05Brake\" is there twice (lines 2 and 4).");
    refused("curve point of 200", "import-curve-200.ini", "Key \"05Brake\": curve point 5 is 200");
    refused("raw Latin-1 byte in a name", "import-latin1-name.ini",
            "Line 2: the name is not valid UTF-8 text.");
}

void TestProfileImport::importsTheFileOrNothing()
{
    QFETCH(QString, file);
    QFETCH(SlotList, slots);
    QFETCH(quint32, word);
    QFETCH(QString, problem);
    // The page checks the suffix, so every file goes in under its own name.
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QVERIFY(QFile::copy(QStringLiteral(KEST_TEST_DATA "/") + file, path));

    auto w = openProfiles(startState());
    const QString listsBefore = lists(w.get());
    DialogCatcher dialogs;
    dialogs.button = QMessageBox::Yes; // the question before the change
    dialogs.fileNames << path;
    QTest::mouseClick(child(w.get(), "pbImport"), Qt::LeftButton);

    if (problem.isEmpty()) {
        QCOMPARE(messages(dialogs), QStringList());
        QCOMPARE(keptSlots(), slots);
        QCOMPARE(kestsim::unit().state().kept.activeProfile, word);
        return;
    }
    const QStringList shown = messages(dialogs);
    QCOMPARE(shown.size(), 1);
    const QStringList lines = shown.first().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[0], QStringLiteral("INI file is not valid."));
    QVERIFY2(lines[1].startsWith(problem), qPrintable(lines[1]));
    QCOMPARE(dialogs.requests.back().title, QStringLiteral("Notify"));
    // Nothing reached the unit, not even a read, and the page shows what it showed.
    QCOMPARE(writes(), QStringList());
    QVERIFY(kestsim::wireLog().reports("set").empty());
    QVERIFY(kestsim::unit().state().kept == startState().kept);
    QCOMPARE(lists(w.get()), listsBefore);
}

void TestProfileImport::filesThatCannotBeReadAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("problem");
    QTest::newRow("2 MiB") << "large"
                           << "The file is larger than 1 MiB";
#ifdef Q_OS_UNIX
    // before, the window waited for a writer for good
    QTest::newRow("named pipe") << "fifo"
                                << "It is not a regular file.";
#endif
}

void TestProfileImport::filesThatCannotBeReadAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(QString, problem);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.ini"));
    if (kind == QLatin1String("large")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(qint64(2) << 20)); // sparse: costs no disk
    }
#ifdef Q_OS_UNIX
    else {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    }
#endif
    auto w = openProfiles(startState());
    DialogCatcher dialogs;
    dialogs.fileNames << path;
    QTest::mouseClick(child(w.get(), "pbImport"), Qt::LeftButton);
    const QStringList shown = messages(dialogs);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().startsWith(QStringLiteral("INI file is not valid.\n") + problem),
             qPrintable(shown.first()));
    QCOMPARE(writes(), QStringList());
    QVERIFY(kestsim::unit().state().kept == startState().kept);
}

QTEST_MAIN(TestProfileImport)
#include "tst_profileimport.moc"
