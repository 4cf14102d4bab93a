#include "kestbackdrops.h"

#include "workerthread.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QPointer>
#include <QResource>
#include <QScreen>
#include <QThread>
#include <QTimerEvent>
#include <qdrawutil.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// Appends `value` as QPixmap writes numbers into its cache keys: its bytes in memory
// order, each as its low and then its high hex digit.
template<typename T> void appendHex(QString &key, T value)
{
    static const char digits[] = "0123456789abcdef";
    const auto *bytes = reinterpret_cast<const unsigned char *>(&value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        key += QLatin1Char(digits[bytes[i] & 0xf]);
        key += QLatin1Char(digits[bytes[i] >> 4]);
    }
}

bool screensScale()
{
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->devicePixelRatio() != 1.0)
            return true;
    }
    return false;
}

// `full` as the style sheet engine paints a border-image without cuts over a widget of
// `shown` size: the whole picture stretched smoothly over the whole widget.
QPixmap drawnAt(const QPixmap &full, QSize shown)
{
    QPixmap scaled(shown);
    scaled.fill(Qt::transparent);
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    qDrawBorderPixmap(&painter, QRect(QPoint(), shown), QMargins(), full, full.rect(), QMargins(),
                      QTileRules(Qt::StretchTile));
    painter.end();
    return scaled;
}

// A picture of the bundle, once decoded, is not read again: the pages of the program's
// file that hold its bytes (0.8 MB for the two pedal pictures) are handed back to the
// system, which reads them from the file again should they ever be needed. Only pages
// that hold nothing but the picture's bytes, and only where handing them back cannot
// lose them: a bundle registered from memory of the program's own keeps its pages.
void letGoOfBytes(const QString &path)
{
#if defined(Q_OS_LINUX) && defined(MADV_PAGEOUT)
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return;
    const auto page = std::uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<std::uintptr_t>(resource.data());
    const std::uintptr_t first = (begin + page - 1) & ~(page - 1);
    const std::uintptr_t end = (begin + std::uintptr_t(resource.size())) & ~(page - 1);
    // MADV_PAGEOUT keeps the contents, whatever the memory: file pages are read again,
    // anonymous ones swapped or left where they are. A kernel without it refuses.
    if (end > first)
        ::madvise(reinterpret_cast<void *>(first), end - first, MADV_PAGEOUT);
#else
    Q_UNUSED(path);
#endif
}

// How long a picture switched away from stays drawn: enough for the switches of one
// re-attach, short enough that its memory goes back before anyone would look.
constexpr int kLetGoAfterMs = 50;

QPixmap standIn()
{
    QPixmap blank(1, 1);
    blank.fill(Qt::transparent);
    return blank;
}

} // namespace

const std::array<QString, 2> &KestBackdrops::paths()
{
    static const std::array<QString, 2> names {QStringLiteral(":/img/back.png"),
                                               QStringLiteral(":/img/back2.png")};
    return names;
}

KestBackdrops &KestBackdrops::instance()
{
    // A child of the application, so that a decoding still running when it ends is
    // waited for before the bundle it reads from goes away.
    static QPointer<KestBackdrops> one;
    if (!one) {
        one = new KestBackdrops;
        one->setParent(QCoreApplication::instance());
    }
    return *one;
}

KestBackdrops::~KestBackdrops()
{
    if (worker && worker->wait())
        kest::threadJoined(worker.get());
}

QString KestBackdrops::cacheKey(const QString &path)
{
    const QFileInfo info(path);
    QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath();
    appendHex(key, uint(info.lastModified().toSecsSinceEpoch()));
    appendHex(key, quint64(info.size()));
    appendHex(key, uint(0)); // a pixmap, not a bitmap
    return key;
}

void KestBackdrops::prepare()
{
    switch (state) {
    case State::Off:
        return;
    case State::Installed:
        // A new form names either picture.
        for (std::size_t i = 0; i < drawn.size(); ++i)
            bringBack(i);
        install(drawnSize);
        return;
    case State::Idle:
    case State::Ready:
    case State::Decoding:
        break;
    }
    if (state == State::Idle && screensScale()) {
        state = State::Off;
        return;
    }
    const QPixmap blank = standIn();
    for (const QString &path : paths())
        QPixmapCache::insert(cacheKey(path), blank);
    if (state != State::Idle)
        return;

    // Should QPixmap name its entries otherwise, this load decodes the picture, as the
    // form would have, and the style sheets go on without help.
    if (QPixmap(paths()[0]).size() != blank.size()) {
        qWarning("backdrops: the pixmap cache is not where pictures are looked up; "
                 "the pedal pictures are decoded in full");
        QPixmapCache::remove(cacheKey(paths()[1]));
        state = State::Off;
        return;
    }
    state = State::Ready;
}

void KestBackdrops::decode()
{
    if (state == State::Idle)
        prepare();
    if (state != State::Ready)
        return;
    state = State::Decoding;
    worker.reset(QThread::create([this] {
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            pictures[i] = QImageReader(paths()[i])
                              .read()
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
            letGoOfBytes(paths()[i]);
        }
        kest::threadEnded(QThread::currentThread());
    }));
    worker->setObjectName(QStringLiteral("backdrops"));
    connect(worker.get(), &QThread::finished, this, &KestBackdrops::decoded);
    worker->start();
}

void KestBackdrops::install(QSize shown)
{
    decode();
    if (state == State::Off)
        return;

    if (state == State::Installed && shown != drawnSize) {
        // Another size than the form's: the style sheets draw the whole picture again.
        qWarning("backdrops: shown at %dx%d, drawn at %dx%d", shown.width(), shown.height(),
                 drawnSize.width(), drawnSize.height());
        for (const QString &path : paths())
            QPixmapCache::remove(cacheKey(path));
        state = State::Off;
        Q_EMIT installed();
        return;
    }

    if (state == State::Installed) {
        // The cache may have let a picture go since; the style sheets must not decode it.
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const QString key = cacheKey(paths()[i]);
            QPixmap cached;
            if (!drawn[i].isNull() && !QPixmapCache::find(key, &cached))
                QPixmapCache::insert(key, QPixmap::fromImage(drawn[i]));
        }
        return;
    }

    worker->wait();
    kest::threadJoined(worker.get());
    drawnSize = shown;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const QString key = cacheKey(paths()[i]);
        if (pictures[i].isNull()) {
            QPixmapCache::remove(key); // the style sheet reports what it cannot load
            continue;
        }
        const QPixmap scaled = drawnAt(QPixmap::fromImage(std::move(pictures[i])), shown);
        pictures[i] = QImage();
        drawn[i] = scaled.toImage();
        QPixmapCache::insert(key, scaled);
    }
    state = State::Installed;
    Q_EMIT installed();
}

void KestBackdrops::use(std::size_t picture)
{
    if (state != State::Installed || picture >= drawn.size())
        return;
    inUse = picture;
    bringBack(picture);
    const QString key = cacheKey(paths()[picture]);
    QPixmap cached;
    if (!drawn[picture].isNull() && !QPixmapCache::find(key, &cached))
        QPixmapCache::insert(key, QPixmap::fromImage(drawn[picture]));

    for (std::size_t other = 0; other < drawn.size(); ++other) {
        if (other == picture || drawn[other].isNull())
            continue;
        // A picture is drawn once, so its compressed pixels, once made, serve every later
        // switch; and the drawn ones stay a moment, for a switch straight back.
        if (!putAside[other].isEmpty()) {
            letGoLater.start(kLetGoAfterMs, this);
            continue;
        }
        // Zlib's fastest level: the backdrops compress to a fraction, in a few ms.
        putAside[other] = qCompress(drawn[other].constBits(), int(drawn[other].sizeInBytes()), 1);
        putAsideFormat[other] = drawn[other].format();
        letGo(other);
    }
}

void KestBackdrops::letGo(std::size_t picture)
{
    drawn[picture] = QImage();
    QPixmapCache::remove(cacheKey(paths()[picture]));
}

void KestBackdrops::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != letGoLater.timerId())
        return QObject::timerEvent(event);
    letGoLater.stop();
    for (std::size_t other = 0; other < drawn.size(); ++other) {
        if (other != inUse && !drawn[other].isNull() && !putAside[other].isEmpty())
            letGo(other);
    }
}

void KestBackdrops::bringBack(std::size_t picture)
{
    if (!drawn[picture].isNull() || putAside[picture].isEmpty())
        return;
    // Back as it was drawn: the compressed bytes are its pixels exactly.
    const QByteArray pixels = qUncompress(putAside[picture]);
    QImage restored(drawnSize, putAsideFormat[picture]);
    if (pixels.size() == restored.sizeInBytes()) {
        std::memcpy(restored.bits(), pixels.constData(), std::size_t(pixels.size()));
        drawn[picture] = restored;
    } else {
        putAside[picture].clear();
    }
}

QImage KestBackdrops::decodeForPixmap(const QString &path)
{
    QImage image = QImageReader(path).read();
    // What the raster pixmap makes of a picture with alpha; anything else it converts
    // itself, as it would after its own load.
    if (image.format() == QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    return image;
}

void KestBackdrops::preload(const QString &path, QImage image)
{
    const QString key = cacheKey(path);
    QPixmap cached;
    if (!image.isNull() && !QPixmapCache::find(key, &cached))
        QPixmapCache::insert(key, QPixmap::fromImage(std::move(image)));
}

bool KestBackdrops::keepDrawn(const QString &path, QSize shown)
{
    const QString key = cacheKey(path);
    QPixmap whole;
    if (screensScale() || !QPixmapCache::find(key, &whole) || whole.size() == shown)
        return false;
    QPixmapCache::insert(key, drawnAt(whole, shown));
    return true;
}
