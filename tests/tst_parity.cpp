// One operation through the window and through kestctl, on one unit state: kestctl sends
// what the window sends, exchange by exchange. Its one declared addition comes first:
// the reads of what the window already read at its attach (a command starts without a
// table), which are reads only. The window's one declared addition comes last: after
// CLEAR FLASH DATA it reads the whole unit anew to show it.

#include "cli.h"
#include "kestaxis.h"
#include "windowsupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

using namespace testsupport;

namespace {

/// Every report sent and every reply read, in order, as hex.
QStringList exchanges()
{
    QStringList out;
    for (const kestsim::WireEntry &e : kestsim::wireLog().entries())
        if (e.kind == "set" || e.kind == "get")
            out << QString::fromStdString(e.kind) + QLatin1Char(' ')
                    + hexText(e.bytes.data(), e.bytes.size());
    return out;
}

struct Operation
{
    std::function<void(MainWindow *, DialogCatcher &)> window;
    QStringList kestctl; ///< the command line, after "kestctl"
    /// The window reads the whole unit anew after the operation, to show it: what it
    /// reads after its last write is its own.
    bool windowShowsAnew = false;
};

void click(MainWindow *w, const char *name)
{
    child<QAbstractButton>(w, name)->click();
}

QString importFile()
{
    return QStringLiteral(KEST_TEST_DATA "/import-valid.ini");
}

} // namespace

Q_DECLARE_METATYPE(Operation)

class TestParity : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameExchanges_data();
    void sameExchanges();
};

void TestParity::sameExchanges_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::newRow("deadzone: THROTTLE low handle to 5 %")
        << Operation {[](MainWindow *w, DialogCatcher &) { dragBy(child(w, "lbDzL2"), 10); },
                      {"deadzone", "throttle", "5", "0"}};
    QTest::newRow("clutch off") << Operation {
        [](MainWindow *w, DialogCatcher &) { click(w, "cbClutch"); }, {"clutch", "off"}};
    QTest::newRow("profile choice, stored as the window closes")
        << Operation {[](MainWindow *w, DialogCatcher &) {
                          child<QComboBox>(w, "cbPro1")->setCurrentIndex(1);
                          click(w, "pbClose");
                      },
                      {"profile", "apply", "Brake B"}};
    QTest::newRow("profile choice for now") << Operation {
        [](MainWindow *w, DialogCatcher &) { child<QComboBox>(w, "cbPro1")->setCurrentIndex(1); },
        {"profile", "apply", "Brake B", "--for-now"}};
    QTest::newRow("profile save") << Operation {
        [](MainWindow *w, DialogCatcher &) {
            child<QComboBox>(w, "cbPro2")->setEditText("Gas B");
            child<KestAxis>(w, "ctAdc2")->setCurve(QByteArray("\x0a\x14\x1e\x28\x32"));
            click(w, "pbSavePro2");
        },
        {"profile", "save", "throttle", "Gas B", "--curve", "10,20,30,40,50"}};
    QTest::newRow("profile remove, after its backup")
        << Operation {[](MainWindow *w, DialogCatcher &dialogs) {
                          dialogs.button = QMessageBox::Yes;
                          click(w, "pbDelPro1"); // the chosen one
                      },
                      {"profile", "remove", "Brake A"}};
    QTest::newRow("profile import, after its backup")
        << Operation {[](MainWindow *w, DialogCatcher &dialogs) {
                          dialogs.button = QMessageBox::Yes;
                          dialogs.fileNames << importFile();
                          click(w, "pbImport");
                      },
                      {"profile", "import", importFile()}};
    const QString backup = QStringLiteral(KEST_TEST_DATA "/backup-valid.ini");
    QTest::newRow("restore of a backup, after its own backup")
        << Operation {[backup](MainWindow *w, DialogCatcher &dialogs) {
                          dialogs.button = QMessageBox::Yes;
                          dialogs.fileNames << backup;
                          click(w, "pbImport");
                      },
                      {"restore", "--yes", backup}};
    QTest::newRow("clear flash, after its backup")
        << Operation {[](MainWindow *w, DialogCatcher &dialogs) {
                          dialogs.button = QMessageBox::Yes;
                          child<QStackedWidget>(w, "stackedWidget")->setCurrentIndex(3);
                          click(w, "pbClearFlash");
                      },
                      {"clear-flash", "--yes"},
                      true};
}

void TestParity::sameExchanges()
{
    QFETCH(Operation, operation);
    QTemporaryDir data; // the backups of both fronts
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));

    freshUnit(unitInUse());
    QStringList window;
    {
        auto w = openWindow();
        DialogCatcher dialogs;
        kestsim::wireLog().clear();
        operation.window(w.get(), dialogs);
        processPosted();
        window = exchanges();
        kestsim::wireLog().clear(); // the window's close is not the operation's
        if (operation.windowShowsAnew) {
            const auto lastWrite
                = std::find_if(window.crbegin(), window.crend(), [](const QString &e) {
                      return e.startsWith("set ") && !e.startsWith("set 02 0b");
                  });
            window.resize(window.crend() - lastWrite);
        }
    }
    QVERIFY(!window.isEmpty());

    freshUnit(unitInUse());
    kestctl::Invocation in;
    QVERIFY(kestctl::parseArguments(QStringList {"kestctl"} + operation.kestctl, in));
    const int code = kestctl::runCommand(in);
    QCOMPARE(code, int(kestctl::ExitDone));
    const QStringList ctl = exchanges();

    // kestctl's own reads first, then the window's exchanges one by one.
    QVERIFY2(ctl.size() >= window.size(), qPrintable(ctl.join('\n')));
    const qsizetype added = ctl.size() - window.size();
    QCOMPARE(ctl.mid(added), window);
    for (const QString &e : ctl.first(added))
        QVERIFY2(e.startsWith("get ") || e.startsWith("set 02 0b"),
                 qPrintable("kestctl's addition is no read: " + e));
}

QTEST_MAIN(TestParity)
#include "tst_parity.moc"
