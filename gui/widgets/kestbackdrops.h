#pragma once

// The pedal pictures behind the INPUTS and CALIBRATION pages, ready before those pages
// show and kept at the size they are shown at.
//
// The backdrops' style sheets name the 2303 x 1479 pictures in the bundle. Left to
// itself, the style sheet engine decodes a picture when it first styles a backdrop (while
// the form is built, before the window's first frame), keeps the whole 13.6 MB of it, and
// scales it down again on every paint behind the live bars. Here the pictures are decoded
// on a worker thread while the window starts, drawn once at the backdrops' size exactly
// as the engine would draw them, and put into the pixmap cache under the names the
// engine loads them by: the engine then finds them there instead of decoding. Until then
// it finds a transparent stand-in; the pages that show the pictures are not shown before
// a unit is attached, and the sheets are set again once the pictures are in. The decoding
// starts once the window has drawn its first frame: on a busy machine a thread decoding
// beside the start would take its time from the start.

#include <QBasicTimer>
#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <array>
#include <cstddef>
#include <memory>

QT_BEGIN_NAMESPACE
class QThread;
QT_END_NAMESPACE

class KestBackdrops : public QObject
{
    Q_OBJECT

public:
    /// The two pictures, as their style sheets name them.
    static const std::array<QString, 2> &paths();

    /// The process's one instance (GUI thread only, like the pixmap cache).
    static KestBackdrops &instance();

    ~KestBackdrops() override;

    /// Before a form that names the pictures is built: leaves the stand-ins where the
    /// style sheets look. Once the pictures are in, puts them back there should the cache
    /// have let them go, or use() have put one aside. Does nothing on a screen that scales the
    /// window (the engine draws the whole picture there, at the screen's pixels).
    void prepare();

    /// Starts decoding the pictures on a worker thread (preparing first if need be).
    /// Nothing once started.
    void decode();

    /// Makes the pictures, drawn at `shown` size, what the style sheets load; decodes them
    /// first, or waits for the decoding if it is still running. The first time, emits
    /// installed(). A picture that could not be prepared is left to the style sheets, as is
    /// everything when `shown` differs from the size the pictures were first drawn at.
    void install(QSize shown);

    /// Once the pictures are in: keeps `picture` (0 or 1, as in paths()) ready where the
    /// style sheets load it, and puts the other aside, its pixels compressed (some 0.9 MB
    /// less while it is not shown), to be made ready again, pixel for pixel, when it is
    /// next used. The compressed pixels are kept for the next switch, and a picture
    /// switched away from is let go a moment later, so that a unit coming and going with
    /// the clutch toggled does not uncompress it on every attach. Before the style sheets
    /// are set to name `picture`.
    void use(std::size_t picture);

    /// Whether the style sheets get the pictures from here (for tests).
    bool isActive() const { return state != State::Off; }

    /// Whether `picture` is put aside (for tests).
    bool isPutAside(std::size_t picture) const
    {
        return drawn[picture].isNull() && !putAside[picture].isEmpty();
    }

    /// For a picture the style sheets have loaded whole (the header band, the about
    /// picture): draws it once at `shown` size, as a border-image over a widget of that
    /// size, and leaves that where the style sheets load it from. True when the sheets
    /// naming it must be set again to let the whole picture go; false when there was
    /// nothing to do (not loaded, already drawn, or a screen that scales the window).
    static bool keepDrawn(const QString &path, QSize shown);

    /// The key of `path` in the pixmap cache when QPixmap loads it from the file.
    static QString cacheKey(const QString &path);

    /// A picture decoded as QPixmap loads it from the file, already in the format the
    /// pixmap keeps it in: on any thread, for preload() on the GUI thread.
    static QImage decodeForPixmap(const QString &path);
    /// Leaves `image`, from decodeForPixmap(), where the style sheets load `path` from,
    /// so that the first sheet naming it finds it decoded. Nothing when a pixmap is there
    /// already or the image is null (the sheet then reports what it cannot load).
    static void preload(const QString &path, QImage image);

Q_SIGNALS:
    /// The decoding is done: install() no longer waits.
    void decoded();
    /// The pictures are in: sheets set before now still show the stand-in and must be
    /// set again.
    void installed();

private:
    KestBackdrops() = default;
    void stop();
    /// Makes a picture put aside drawn again.
    void bringBack(std::size_t picture);
    /// Lets go of the drawn pixels of a picture whose compressed ones are kept.
    void letGo(std::size_t picture);
    void timerEvent(QTimerEvent *event) override;

    enum class State { Idle, Ready, Decoding, Installed, Off };
    State state = State::Idle;
    std::unique_ptr<QThread> worker;
    std::array<QImage, 2> pictures; ///< decoded by the worker, premultiplied
    std::array<QImage, 2> drawn; ///< at the shown size, shared with the cached pixmaps
    std::array<QByteArray, 2>
        putAside; ///< a drawn picture's pixels, compressed once it was set aside
    std::array<QImage::Format, 2> putAsideFormat {};
    std::size_t inUse = 0;
    QBasicTimer letGoLater; ///< the picture switched away from, let go when it fires
    QSize drawnSize;
};
