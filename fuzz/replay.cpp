// Replays inputs through a harness without libFuzzer, so that the committed corpora run
// as tests in every build: each argument is a file or a folder of files; arguments that
// begin with '-' (libFuzzer's options) are passed over.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

namespace {

bool replay(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray data = f.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(data.constData()),
                           std::size_t(data.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    LLVMFuzzerInitialize(&argc, &argv);
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(arg).isDir()) {
            if (!replay(arg))
                return 1;
            ++count;
            continue;
        }
        const QDir dir(arg);
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            if (!replay(dir.filePath(name)))
                return 1;
            ++count;
        }
    }
    std::printf("%d inputs replayed\n", count);
    // An empty corpus would test nothing.
    return count > 0 ? 0 : 1;
}
