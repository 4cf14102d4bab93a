#include "boundedfile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kest {

namespace {

/// Reads up to limit + 1 bytes from an open file: one byte more than allowed tells a
/// file that is too long.
FileBytes readOpened(QFile &file, qint64 limit)
{
    FileBytes out;
    QByteArray data;
    constexpr qint64 kChunk = 64 * 1024;
    while (data.size() <= limit) {
        const QByteArray part = file.read(qMin(kChunk, limit + 1 - data.size()));
        if (file.error() != QFileDevice::NoError) {
            out.result = FileRead::Unreadable;
            return out;
        }
        if (part.isEmpty())
            break;
        data += part;
    }
    if (data.size() > limit) {
        out.result = FileRead::TooLarge;
        return out;
    }
    out.result = FileRead::Ok;
    out.bytes = data;
    return out;
}

} // namespace

FileBytes readBoundedFile(const QString &path, qint64 limit)
{
    FileBytes out;
#ifdef Q_OS_UNIX
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty()) {
        out.result = FileRead::Missing;
        return out;
    }
    // O_NONBLOCK: opening a named pipe with no writer returns at once instead of waiting
    // for one; the type is then checked on the very file that was opened.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        out.result = errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? FileRead::Missing
                                                                           : FileRead::Unreadable;
        return out;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        out.result = FileRead::NotRegular;
        return out;
    }
    if (status.st_size > limit) {
        ::close(fd);
        out.result = FileRead::TooLarge;
        return out;
    }
    // A regular file never blocks; blocking reads keep QFile's reading simple.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        out.result = FileRead::Unreadable;
        return out;
    }
    return readOpened(file, limit);
#else
    const QFileInfo info(path);
    if (!info.exists()) {
        out.result = FileRead::Missing;
        return out;
    }
    if (!info.isFile()) {
        out.result = FileRead::NotRegular;
        return out;
    }
    if (info.size() > limit) {
        out.result = FileRead::TooLarge;
        return out;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        out.result = FileRead::Unreadable;
        return out;
    }
    return readOpened(file, limit);
#endif
}

} // namespace kest
