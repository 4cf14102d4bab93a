// Reading a named file once and bounded: what is not a regular file, or is too long, is
// refused at once, without waiting and without reading it whole.

#include "boundedfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(kest::FileRead)

namespace {

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

} // namespace

class TestBoundedFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reads_data();
    void reads();
};

void TestBoundedFile::reads_data()
{
    QTest::addColumn<QString>("kind"); // what to put at the path
    QTest::addColumn<qint64>("size"); // of a file
    QTest::addColumn<kest::FileRead>("result");
    using R = kest::FileRead;
    QTest::newRow("empty file") << "file" << qint64(0) << R::Ok;
    QTest::newRow("at the limit") << "file" << qint64(100) << R::Ok;
    QTest::newRow("one byte over") << "file" << qint64(101) << R::TooLarge;
    QTest::newRow("link to a file") << "link" << qint64(100) << R::Ok;
    QTest::newRow("nothing there") << "none" << qint64(0) << R::Missing;
    QTest::newRow("link to nothing") << "dangling" << qint64(0) << R::Missing;
    QTest::newRow("folder") << "folder" << qint64(0) << R::NotRegular;
#ifdef Q_OS_UNIX
    // would block until a writer comes, or never end
    QTest::newRow("named pipe") << "fifo" << qint64(0) << R::NotRegular;
    QTest::newRow("link to /dev/zero") << "/dev/zero" << qint64(0) << R::NotRegular;
    // 3 GB that are not there: refused by its length, not read
    QTest::newRow("sparse 3 GB") << "sparse" << (qint64(3) << 30) << R::TooLarge;
#endif
#ifdef Q_OS_LINUX
    // a regular file whose reading fails
    QTest::newRow("read error") << "/proc/self/mem" << qint64(0) << R::Unreadable;
#endif
}

void TestBoundedFile::reads()
{
    QFETCH(QString, kind);
    QFETCH(qint64, size);
    QFETCH(kest::FileRead, result);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("x.ini");
    QByteArray content(int(qMin(size, qint64(1000))), 0);
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i * 31 + 7);
    if (kind == "file") {
        writeFile(path, content);
    } else if (kind == "link") {
        writeFile(dir.filePath("target"), content);
        QVERIFY(QFile::link(dir.filePath("target"), path));
    } else if (kind == "dangling") {
        QVERIFY(QFile::link(dir.filePath("gone"), path));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkdir(path));
    } else if (kind.startsWith('/')) {
        QVERIFY(QFile::link(kind, path));
    }
#ifdef Q_OS_UNIX
    else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "sparse") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(size));
    }
#endif
    const kest::FileBytes read = kest::readBoundedFile(path, 100);
    QCOMPARE(read.result, result);
    QCOMPARE(read.bytes, result == kest::FileRead::Ok ? content : QByteArray());
}

QTEST_GUILESS_MAIN(TestBoundedFile)
#include "tst_boundedfile.moc"
