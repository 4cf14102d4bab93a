// The fault sweep: every operation of the window, run once cleanly and then with each of
// its exchanges failing in turn: the unit pulled out right before exchange k, only send k
// failing, and reply k failing, cut short (5 or 19 bytes), answering another index of its
// command, answering another command, or never coming because the unit was pulled out
// after its request. A firmware upload also has the unit pulled out, or pulled out and
// plugged back in, during the seconds it writes the image after the end report.
//
// One kind of distortion is left out: a reply of the same range table that answers the
// read before a deadzone write (the unit did not act on the request and repeats what it
// said). It has the form, the command and the table of the right reply, so nothing in
// it can reveal it.
//
// Whatever fails, the unit must keep its old settings, the new ones, or what a whole
// prefix of the operation's committed writes leaves (and then the user is told so in an
// "Error" box); a success message must follow only the operation done (an upload is done
// only when the unit took the whole image and stayed through its writing); and once the
// unit is back the window must attach again and show what the unit holds.
//
// Each operation is a row of its own. The runs with faults are dealt to groups in turn
// (KEST_SWEEP_GROUPS, 12 unless set), so that every group gets an equal share of every
// operation. A run spends nearly all its time waiting for the window's reader, which
// polls the unit every 10 ms, to stop; so the program runs the groups side by side, each
// as a process of its own, and prints their outputs in turn. KEST_SWEEP_SHARD=I/N runs
// only the groups whose number is I modulo N (the tests are such shards, side by side);
// KEST_SWEEP_GROUP=1..12 runs one group in this process (as the side-by-side runs do),
// KEST_SWEEP_GROUP=0 all of them; a row name picks one operation, as in
// `KEST_SWEEP_GROUP=0 faultsweep "sweep:firmware upload"`.

#include "kestaxis.h"
#include "kestslider.h"
#include "pedalmath.h"
#include "profileini.h"
#include "windowsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace testsupport;

namespace {

/// What a fault run counts its k in.
enum class Counted { Exchanges, Sends, Replies, WritingPulls };

/// When, after the end report, the unit is pulled out during its four seconds of writing:
/// at once, and between the last two steps of the count. Both come before the count can
/// end, however slowly the program runs.
constexpr std::chrono::milliseconds kWritingPulls[]
    = {std::chrono::milliseconds(0), std::chrono::milliseconds(3500)};

struct Fault
{
    const char *name;
    Counted counted;
    void (*arm)(kestsim::FaultPlan &, int k); ///< k from 1
};

using kestsim::WritingFault;
const Fault kFaults[] = {
    {"unplugged before k", Counted::Exchanges,
     [](kestsim::FaultPlan &f, int k) { f.unplugBeforeExchange(k); }},
    {"send k failed", Counted::Sends,
     [](kestsim::FaultPlan &f, int k) { f.failNextSends(1, k - 1); }},
    {"reply k failed", Counted::Replies,
     [](kestsim::FaultPlan &f, int k) { f.failNextReplies(1, k - 1); }},
    {"reply k of 5 bytes", Counted::Replies,
     [](kestsim::FaultPlan &f, int k) { f.shortenNextReply(5, k - 1); }},
    {"reply k of 19 bytes", Counted::Replies,
     [](kestsim::FaultPlan &f, int k) { f.shortenNextReply(19, k - 1); }},
    {"reply k for another index", Counted::Replies,
     [](kestsim::FaultPlan &f, int k) { f.misdirectNextReply(k - 1); }},
    {"reply k of another command", Counted::Replies,
     [](kestsim::FaultPlan &f, int k) { f.crossNextReply(k - 1); }},
    {"unplugged before reply k", Counted::Replies,
     [](kestsim::FaultPlan &f, int k) { f.unplugBeforeReply(k - 1); }},
    {"pulled while writing", Counted::WritingPulls,
     [](kestsim::FaultPlan &f, int k) {
         f.faultWhileWriting(WritingFault::Unplugged, kWritingPulls[k - 1]);
     }},
    {"re-plugged while writing", Counted::WritingPulls,
     [](kestsim::FaultPlan &f, int k) {
         f.faultWhileWriting(WritingFault::Replugged, kWritingPulls[k - 1]);
     }},
};

struct Operation
{
    Operation(const char *n, std::function<void(MainWindow *)> p,
              std::function<void(MainWindow *, DialogCatcher &)> r, QString s = QString(),
              bool c = false, bool u = false)
        : name(n),
          prepare(std::move(p)),
          run(std::move(r)),
          success(std::move(s)),
          closes(c),
          uploads(u)
    { }

    const char *name;
    std::function<void(MainWindow *)> prepare; ///< runs without faults
    std::function<void(MainWindow *, DialogCatcher &)> run;
    QString success; ///< the operation's success message, if it has one
    bool closes = false; ///< runs on a window of its own
    bool uploads = false; ///< sends a firmware image, and waits until the upload ends
};

struct Outcome
{
    int runs = 0;
    int falseSuccesses = 0;
    int wrongKept = 0;
    int partial = 0; ///< a whole prefix of the committed writes, and a box that says so
    int notReattached = 0;

    void add(const Outcome &o)
    {
        runs += o.runs;
        falseSuccesses += o.falseSuccesses;
        wrongKept += o.wrongKept;
        partial += o.partial;
        notReattached += o.notReattached;
    }
};

/// The deadzones that a release of an unmoved handle must leave as they are: all six
/// while the unit has the clutch on, else the BRAKE's and THROTTLE's (a release with the
/// clutch off clears the CLUTCH's).
std::vector<std::uint16_t> keptByRelease(const kestsim::Settings &s, bool clutch)
{
    return {s.deadzone.begin() + (clutch ? 0 : 2), s.deadzone.end()};
}

constexpr char kGroupVariable[] = "KEST_SWEEP_GROUP";
/// How many groups the runs with faults are dealt to; the same in every process of a sweep.
constexpr char kGroupsVariable[] = "KEST_SWEEP_GROUPS";
constexpr int kDefaultGroups = 12;
/// "I/N": of the groups, this process runs those whose number is I modulo N, side by
/// side (the shards of the sweep are tests of their own); all of them when not set.
constexpr char kShardVariable[] = "KEST_SWEEP_SHARD";

int groupCount()
{
    const int n = qEnvironmentVariableIntValue(kGroupsVariable);
    return n > 0 ? n : kDefaultGroups;
}

template<typename T = QWidget> T *in(MainWindow *w, const char *name)
{
    return child<T>(w, name);
}

void selectByText(MainWindow *w, const char *combo, const char *text)
{
    auto *c = in<QComboBox>(w, combo);
    c->setCurrentIndex(c->findText(QString::fromLatin1(text)));
}

} // namespace

class FaultSweep : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void sweep_data();
    void sweep();
    void cleanupTestCase();

private:
    QList<Operation> operations();
    /// Puts the unit back to `state` and attaches the window to it anew.
    bool attach(MainWindow *w, const kestsim::UnitState &state);
    /// Whether the window shows what the unit holds: lists, clutch switch, BRAKE handles.
    bool showsUnit(MainWindow *w);
    /// The kept settings after each write of `writes`, applied to a unit in `state`.
    static std::vector<kestsim::Settings>
    keptAfterEachWrite(const kestsim::UnitState &state, const std::vector<kestsim::Bytes> &writes);

    QTemporaryDir tmp;
    QString importFile;
    QString firmwareFile;
    std::unique_ptr<MainWindow> window;
    Outcome total;
    /// An upload ends with the unit's end report; its writing is not waited out.
    bool imageOnly = false;
};

void FaultSweep::initTestCase()
{
    QVERIFY(tmp.isValid());
    kest::ProfileTable table;
    table.index = 0xEF070605;
    const auto record
        = [](const char *hex) { return kest::SlotRecord::fromBytes(QByteArray::fromHex(hex)); };
    table.profiles = {{"Clutch soft", record("05011020304050")},
                      {"Brake hard", record("0602505a5f6264")},
                      {"Gas S", record("07030a28506459")}};
    importFile = tmp.filePath("shared.ini");
    QVERIFY(kest::writeProfileFile(importFile, table));
    // Three data reports and the end report: few exchanges, and the unit's four seconds
    // of writing are the row's time.
    firmwareFile = writeFile(tmp.filePath("tiny.bin"), QByteArray("0123456789").repeated(4));
    freshUnit(unitInUse());
    window = openWindow();
    std::printf("\n%-26s %9s %5s %16s %11s %9s %15s\n", "operation", "exchanges", "runs",
                "false successes", "wrong kept", "partial", "not re-attached");
}

void FaultSweep::cleanupTestCase()
{
    window.reset();
    std::printf("%-26s %9s %5d %16d %11d %9d %15d\n\n", "all", "", total.runs, total.falseSuccesses,
                total.wrongKept, total.partial, total.notReattached);
}

void FaultSweep::sweep_data()
{
    QTest::addColumn<int>("operation"); // its index in operations()
    const QList<Operation> all = operations();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].name) << i;
}

QList<Operation> FaultSweep::operations()
{
    const auto none = [](MainWindow *) {};
    const QString exportFile = tmp.filePath("out.ini");
    return {
        {"attach", none,
         [](MainWindow *w, DialogCatcher &) { QMetaObject::invokeMethod(w, "onInit"); }},
        {"deadzone release", none,
         [](MainWindow *w, DialogCatcher &) {
             auto *s = in<KestSlider>(w, "lbDzL1");
             s->setValue(10);
             Q_EMIT s->valueChanged();
         }},
        {"clutch switch", none,
         [](MainWindow *w, DialogCatcher &) { in<QCheckBox>(w, "cbClutch")->click(); }},
        {"calibration start", none,
         [](MainWindow *w, DialogCatcher &) { in<QPushButton>(w, "pbSave1")->click(); }},
        {"calibration save",
         [](MainWindow *w) {
             in<QPushButton>(w, "pbSave1")->click();
             startWatchNow(w);
             for (std::uint16_t b : {30000, 3000, 60000})
                 w->onJoystickEvent(kest::pedalValues(
                     testsupport::hex(
                         qPrintable(QString::asprintf("01 0000 %02x%02x 0000", b & 0xFF, b >> 8)))
                         .data()));
         },
         [](MainWindow *w, DialogCatcher &d) {
             d.button = QMessageBox::Yes; // the BRAKE's deadzones go
             in<QPushButton>(w, "pbSave1")->click();
         }},
        {"profile save",
         [](MainWindow *w) { in<QComboBox>(w, "cbPro1")->setEditText(QStringLiteral("Brake C")); },
         [](MainWindow *w, DialogCatcher &) { in<QPushButton>(w, "pbSavePro1")->click(); },
         QStringLiteral("Profile is saved")},
        {"profile save, same name",
         [](MainWindow *w) {
             selectByText(w, "cbPro1", "Brake B");
             in<KestAxis>(w, "ctAdc1")->setCurve(QByteArray::fromHex("0a141e2832"));
         },
         [](MainWindow *w, DialogCatcher &) { in<QPushButton>(w, "pbSavePro1")->click(); },
         QStringLiteral("Profile is saved")},
        {"profile remove", [](MainWindow *w) { selectByText(w, "cbPro1", "Brake B"); },
         [](MainWindow *w, DialogCatcher &d) {
             d.button = QMessageBox::Yes;
             in<QPushButton>(w, "pbDelPro1")->click();
         }},
        {"profile change", none,
         [](MainWindow *w, DialogCatcher &) { selectByText(w, "cbPro1", "Brake B"); }},
        {"profile change, edit saved",
         [](MainWindow *w) {
             in<KestAxis>(w, "ctAdc1")->setCurve(QByteArray::fromHex("0a141e2832"));
         },
         [](MainWindow *w, DialogCatcher &d) {
             d.button = QMessageBox::Yes;
             selectByText(w, "cbPro1", "Brake B");
         },
         QStringLiteral("Profile is saved")},
        {"INI import", none,
         [this](MainWindow *w, DialogCatcher &d) {
             d.fileNames = QStringList {importFile};
             d.button = QMessageBox::Yes;
             in<QPushButton>(w, "pbImport")->click();
         }},
        {"backup restore", none,
         [](MainWindow *w, DialogCatcher &d) {
             d.fileNames = QStringList {QStringLiteral(KEST_TEST_DATA "/backup-valid.ini")};
             d.button = QMessageBox::Yes;
             in<QPushButton>(w, "pbImport")->click();
         }},
        {"INI export", none,
         [exportFile](MainWindow *w, DialogCatcher &d) {
             d.fileNames = QStringList {exportFile};
             in<QPushButton>(w, "pbExport")->click();
         }},
        {"clear flash", none,
         [](MainWindow *w, DialogCatcher &d) {
             d.button = QMessageBox::Yes;
             in<QPushButton>(w, "pbClearFlash")->click();
         },
         QStringLiteral("Flash data has been cleared.")},
        {"firmware upload", [](MainWindow *w) { in<QPushButton>(w, "pbS4")->click(); },
         [this](MainWindow *w, DialogCatcher &d) {
             d.fileNames = QStringList {firmwareFile};
             d.button = QMessageBox::Yes;
             in<QPushButton>(w, "pbPath")->click();
             const int ends = kestsim::unit().firmwareEndCount();
             in<QPushButton>(w, "pbUpgrade")->click();
             if (imageOnly) {
                 if (!waitFor([&] { return kestsim::unit().firmwareEndCount() > ends; }, 10000))
                     qWarning("the image did not reach the unit");
                 return;
             }
             // The check button stays disabled while an image is on its way.
             if (!waitFor([&] { return in<QPushButton>(w, "pbAutoUpgrade")->isEnabled(); }, 10000))
                 qWarning("the upload did not end");
         },
         QStringLiteral("Firmware updated successfully."), false, true},
        {"close", [](MainWindow *w) { selectByText(w, "cbPro1", "Brake B"); },
         [](MainWindow *w, DialogCatcher &) { in<QPushButton>(w, "pbClose")->click(); }, QString(),
         true},
    };
}

bool FaultSweep::attach(MainWindow *w, const kestsim::UnitState &state)
{
    auto &u = kestsim::unit();
    kestsim::faults().clear();
    u.plug();
    u.setState(state);
    in<QStackedWidget>(w, "stackedWidget")->setCurrentIndex(4);
    QMetaObject::invokeMethod(w, "onInit");
    return waitFor([&] { return currentPage(w) == 0; }, 5000);
}

bool FaultSweep::showsUnit(MainWindow *w)
{
    const kestsim::Settings unit = kestsim::unit().inEffect();
    QStringList want[3];
    for (const auto &s : unit.slots) {
        if (s.isFree())
            continue;
        if (s.record[1] < 1 || s.record[1] > 3)
            break;
        want[s.record[1] - 1] << QString::fromUtf8(reinterpret_cast<const char *>(s.name.data()),
                                                   int(s.name.size()));
    }
    for (int p = 0; p < 3; ++p) {
        auto *combo = in<QComboBox>(w, qPrintable(QStringLiteral("cbPro%1").arg(p)));
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        if (shown != want[p])
            return false;
    }
    return in<QCheckBox>(w, "cbClutch")->isChecked() == (unit.pedalMode == 1)
        && in<KestSlider>(w, "lbDzL1")->value() == kest::lowPercentFromRaw(unit.deadzone[2])
        && in<KestSlider>(w, "lbDzR1")->value() == kest::highPercentFromRaw(unit.deadzone[3]);
}

std::vector<kestsim::Settings>
FaultSweep::keptAfterEachWrite(const kestsim::UnitState &state,
                               const std::vector<kestsim::Bytes> &writes)
{
    kestsim::PedalUnit model;
    model.setState(state);
    std::vector<kestsim::Settings> out {model.state().kept};
    for (const auto &w : writes) {
        model.setFeature(w.data(), w.size());
        out.push_back(model.state().kept);
    }
    return out;
}

void FaultSweep::sweep()
{
    QFETCH(int, operation);
    const Operation op = operations().at(operation);
    const int group = qEnvironmentVariableIntValue(kGroupVariable); // 0: every run
    const int groups = groupCount();
    const kestsim::UnitState initial = unitInUse();
    auto &u = kestsim::unit();
    auto &faults = kestsim::faults();
    auto &log = kestsim::wireLog();
    // An operation that closes its window runs on windows of its own; the shared one
    // must not attach meanwhile, or two readers would share the unit. So does the clean
    // run of an upload, whose window is closed once the unit has the whole image: the
    // unit's seconds of writing after it add no exchange and change nothing it keeps (one
    // group waits them out below).
    if (op.closes || op.uploads)
        window.reset();
    // The clean run: what the operation sends, and what the unit keeps after it.
    std::unique_ptr<MainWindow> own;
    const auto windowFor = [&]() -> MainWindow * {
        if (!op.closes) {
            if (!window)
                window = openWindow();
            return window.get();
        }
        freshUnit(initial);
        own = openWindow();
        return own.get();
    };
    MainWindow *w = nullptr;
    if (op.uploads) {
        freshUnit(initial);
        own = openWindow();
        w = own.get();
    } else {
        w = windowFor();
    }
    QVERIFY2(attach(w, initial), op.name);
    op.prepare(w);
    log.clear();
    const int before = faults.exchangeCount();
    {
        DialogCatcher dialogs;
        imageOnly = op.uploads;
        op.run(w, dialogs);
        imageOnly = false;
        if (!op.success.isEmpty() && !op.uploads)
            QVERIFY2(!dialogs.texts().filter(op.success).isEmpty(), op.name);
    }
    const int exchanges = faults.exchangeCount() - before;
    // An operation that the clean run refused would leave its row without a fault.
    if (qstrcmp(op.name, "INI export") != 0)
        QVERIFY2(exchanges > 0, op.name);
    const int sends = int(log.reports("set").size());
    const int replies = int(log.reports("get").size());
    const kestsim::Settings done = u.state().kept;
    const kestsim::Bytes image = u.firmwareImage();
    if (op.uploads) {
        QFile file(firmwareFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(image == kestsim::Bytes(bytes.begin(), bytes.end()), op.name);
    }
    const auto acceptable = keptAfterEachWrite(initial, log.reports("set"));
    own.reset();

    const auto countOf = [&](const Fault &fault) {
        return fault.counted == Counted::Exchanges ? exchanges
            : fault.counted == Counted::Sends      ? sends
            : fault.counted == Counted::Replies    ? replies
            : op.uploads                           ? int(std::size(kWritingPulls))
                                                   : 0;
    };
    if (op.uploads) {
        // Once, the upload goes on to its end: the unit's seconds of writing shown as
        // such, step by step, and then the success message. In a group whose runs are
        // all short (a pull late in the writing waits nearly as long).
        std::vector<bool> slow(std::size_t(groups), false);
        int d = 0;
        for (const Fault &fault : kFaults)
            for (int k = 1; k <= countOf(fault); ++k, ++d)
                if (fault.counted == Counted::WritingPulls && kWritingPulls[k - 1].count() > 0)
                    slow[std::size_t(d % groups)] = true;
        const auto quick = std::find(slow.begin(), slow.end(), false);
        const int watcher = quick == slow.end() ? 1 : int(quick - slow.begin()) + 1;
        if (group == 0 || group == watcher) {
            w = windowFor();
            QVERIFY2(attach(w, initial), op.name);
            op.prepare(w);
            QStringList shown; // what the bar and its line said, step by step
            auto *bar = in<QProgressBar>(w, "pgUpgrade");
            QObject context;
            connect(bar, &QProgressBar::valueChanged, &context, [&](int value) {
                shown << QString::number(value) + QLatin1Char(' ')
                        + in<QLabel>(w, "lbUpgrade")->text();
            });
            DialogCatcher dialogs;
            op.run(w, dialogs);
            QVERIFY2(dialogs.texts().contains(op.success), op.name);
            const qsizetype writing = shown.indexOf(QStringLiteral("97 Writing ..."));
            QVERIFY2(writing > 0, qPrintable(shown.join(QLatin1String(", "))));
            QCOMPARE(shown.mid(writing, 3),
                     QStringList({"97 Writing ...", "98 Writing ...", "99 Writing ..."}));
            for (const QString &step : shown.mid(0, writing))
                QVERIFY2(step.endsWith(QLatin1String(" Uploading ...")), qPrintable(step));
        }
    }

    Outcome outcome;
    // Set when the window attached anew at the end of a run, to a unit that holds and
    // uses what it held at the start: the next run starts from there, as from attach().
    bool attachedAsAtStart = false;
    int dealt = 0; // runs of this operation dealt to the groups so far
    for (const Fault &fault : kFaults) {
        const int count = countOf(fault);
        for (int k = 1; k <= count; ++k) {
            if (group != 0 && dealt++ % groups != group - 1)
                continue;
            const QByteArray where = QByteArray(op.name) + ", " + fault.name
                + (fault.counted == Counted::WritingPulls
                       ? ", " + QByteArray::number(kWritingPulls[k - 1].count()) + " ms in"
                       : ", k = " + QByteArray::number(k));
            w = windowFor();
            if (!attachedAsAtStart)
                QVERIFY2(attach(w, initial), where);
            attachedAsAtStart = false;
            op.prepare(w);
            DialogCatcher dialogs;
            const std::uint64_t plug = u.plugGeneration();
            const std::uint64_t opening = kest::deviceOpening();
            const int ends = u.firmwareEndCount();
            fault.arm(faults, k);
            op.run(w, dialogs);
            faults.clear();
            ++outcome.runs;

            const kestsim::Settings kept = u.state().kept;
            // An upload is done when the unit took the whole image and was there all
            // through its writing.
            const bool uploaded = u.isPlugged() && u.plugGeneration() == plug
                && u.firmwareEndCount() == ends + 1 && u.firmwareImage() == image;
            const bool errorShown = std::any_of(dialogs.requests.begin(), dialogs.requests.end(),
                                                [](const KestMessage::Request &r) {
                                                    return r.kind == KestMessage::Kind::Critical;
                                                });
            if (!op.success.isEmpty() && !dialogs.texts().filter(op.success).isEmpty()
                && (!(kept == done) || (op.uploads && !uploaded))) {
                ++outcome.falseSuccesses;
                qWarning("false success: %s", where.constData());
            }
            const bool known = std::any_of(acceptable.begin(), acceptable.end(),
                                           [&](const kestsim::Settings &s) { return s == kept; });
            const bool whole = kept == initial.kept || kept == done;
            if (!known || (!whole && !errorShown)) {
                ++outcome.wrongKept;
                qWarning("wrong kept state%s: %s", known ? " without a word" : "",
                         where.constData());
            } else if (!whole) {
                ++outcome.partial;
            }

            // What the window shows after the fault must be the unit's: a release of
            // an unmoved handle commits nothing new.
            if (u.isPlugged() && !op.closes && currentPage(w) != 4
                && headText(w) == QLatin1String("KEST LABS RM25")) {
                auto *handle = in<KestSlider>(w, "lbDzL1");
                DialogCatcher followUp;
                Q_EMIT handle->valueChanged();
                const bool clutch = u.inEffect().pedalMode == 1 && u.state().kept.pedalMode == 1;
                const auto after = keptByRelease(u.state().kept, clutch);
                if (after != keptByRelease(kept, clutch) && after != keptByRelease(done, clutch)) {
                    ++outcome.wrongKept;
                    qWarning("a later release committed made-up deadzones: %s", where.constData());
                }
            }

            // The unit comes back; the window must find it and show what it holds.
            // The reader notices a pulled unit by itself (or a handle that a re-plug
            // killed); its report must not fall into the next run. After a re-plug the
            // window may have opened the unit anew already.
            const bool replugged = u.isPlugged() && u.plugGeneration() != plug;
            if ((!u.isPlugged() || replugged) && !op.closes)
                QVERIFY2(waitFor([&] {
                             return headText(w).startsWith(QLatin1String("WAITING"))
                                 || (replugged && kest::deviceOpening() != opening);
                         }),
                         where);
            own.reset();
            if (op.closes) {
                freshUnit(initial);
                u.setState({initial.version, kept});
                own = openWindow();
                w = own.get();
            } else {
                u.plug();
                in<QStackedWidget>(w, "stackedWidget")->setCurrentIndex(4);
                QMetaObject::invokeMethod(w, "onInit");
            }
            if (!waitFor([&] { return currentPage(w) == 0; }, 5000) || !showsUnit(w)) {
                ++outcome.notReattached;
                qWarning("not re-attached: %s", where.constData());
            } else {
                attachedAsAtStart
                    = !op.closes && u.state().kept == initial.kept && u.inEffect() == initial.kept;
            }
            own.reset();
        }
    }
    std::printf("%-26s %9d %5d %16d %11d %9d %15d\n", op.name, exchanges, outcome.runs,
                outcome.falseSuccesses, outcome.wrongKept, outcome.partial, outcome.notReattached);
    std::fflush(stdout);
    total.add(outcome);
    QCOMPARE(outcome.falseSuccesses, 0);
    QCOMPARE(outcome.wrongKept, 0);
    QCOMPARE(outcome.notReattached, 0);
}

namespace {

/// Runs every group as a process of this program, side by side, then prints each one's
/// output in turn. Returns how many groups failed.
int runGroupsSideBySide(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir outputs;
    if (!outputs.isValid())
        qFatal("no folder for the groups' outputs");
    const int groups = groupCount();
    int shard = 1;
    int shards = 1;
    const QByteArray shardText = qgetenv(kShardVariable);
    if (!shardText.isEmpty()) {
        const QList<QByteArray> parts = shardText.split('/');
        shard = parts.size() == 2 ? parts[0].toInt() : 0;
        shards = parts.size() == 2 ? parts[1].toInt() : 0;
        if (shards < 1 || shard < 1 || shard > shards)
            qFatal("%s must be I/N with 1 <= I <= N", kShardVariable);
    }
    std::vector<int> mine;
    for (int g = 1; g <= groups; ++g)
        if ((g - 1) % shards == shard - 1)
            mine.push_back(g);
    std::vector<std::unique_ptr<QProcess>> runs;
    for (const int g : mine) {
        auto run = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kGroupVariable), QString::number(g));
        environment.insert(QLatin1String(kGroupsVariable), QString::number(groups));
        run->setProcessEnvironment(environment);
        run->setProcessChannelMode(QProcess::MergedChannels);
        run->setStandardOutputFile(outputs.filePath(QString::number(g)));
        run->start(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
        runs.push_back(std::move(run));
    }
    int failed = 0;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        const int g = mine[i];
        QProcess &run = *runs[i];
        const bool ended = run.waitForFinished(-1);
        QFile output(outputs.filePath(QString::number(g)));
        if (output.open(QIODevice::ReadOnly)) {
            const QByteArray text = output.readAll();
            std::printf("--- group %d of %d ---\n%s", g, groups, text.constData());
        }
        if (!ended || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) {
            std::printf("group %d failed: %s\n", g, qPrintable(run.errorString()));
            ++failed;
        }
    }
    std::fflush(stdout);
    return failed;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet(kGroupVariable))
        return runGroupsSideBySide(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    FaultSweep sweep;
    return QTest::qExec(&sweep, argc, argv);
}

#include "faultsweep.moc"
