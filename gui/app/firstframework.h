#pragma once

// Work of the window's first frame that needs neither the window nor the display, done on
// a thread of its own beside the application object's start (the platform plugin, the
// display's connection), which the first frame waits for anyway:
//  - fontconfig's configuration: the first text laid out would otherwise read and parse
//    its XML files on the window's thread;
//  - the pictures the first frame shows, decoded as the style sheets would decode them.
// On a machine with one core this is the same work in another order.

#include <QImage>
#include <QString>

QT_BEGIN_NAMESPACE
class QLabel;
QT_END_NAMESPACE

#include <thread>
#include <vector>

namespace kest {
/// The pictures of the window's first frame (the header band, the about picture), as the
/// form's style sheets name them.
std::vector<QString> firstFramePictures();
/// Once the first frame is drawn: those pictures kept at the size of the labels showing
/// them (`header`, `about`), whose sheets are set again to let the whole pictures go.
void keepFirstFramePicturesDrawn(QLabel *header, QLabel *about);
} // namespace kest

class FirstFrameWork
{
public:
    /// Starts the thread; before the application object, as early as possible.
    explicit FirstFrameWork(std::vector<QString> pictures);
    /// Waits for the thread if finish() did not.
    ~FirstFrameWork();

    FirstFrameWork(const FirstFrameWork &) = delete;
    FirstFrameWork &operator=(const FirstFrameWork &) = delete;

    /// Waits for the thread and leaves the pictures where the style sheets load them from.
    /// On the application's thread, once the application object exists (the one the window
    /// is shown with: a new one starts with an empty pixmap cache); once.
    void finish();
    /// Waits for the thread, keeping the pictures for finish(). Before an application
    /// object goes: Qt's font database destroys fontconfig's configuration with it, which
    /// must not happen while the thread still loads it.
    void wait();

private:
    std::vector<QString> paths;
    std::vector<QImage> images;
    std::thread thread;
};
