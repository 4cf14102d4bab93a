#include "firstframework.h"

#include "kestbackdrops.h"

#include <QLabel>

#include <utility>

#ifdef Q_OS_UNIX
#include <dlfcn.h>
#endif

namespace {

// Loads fontconfig's configuration where Qt's font database uses fontconfig (it links it
// then, so the library is loaded already); nothing elsewhere. Loading it twice at once is
// safe: fontconfig keeps the first configuration made and drops the other.
void loadFontConfiguration()
{
#ifdef Q_OS_UNIX
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(::dlsym(RTLD_DEFAULT, "FcInit")))
        init();
#endif
}

} // namespace

std::vector<QString> kest::firstFramePictures()
{
    return {QStringLiteral(":/img/head.png"), QStringLiteral(":/img/about.png")};
}

void kest::keepFirstFramePicturesDrawn(QLabel *header, QLabel *about)
{
    const std::vector<QString> pictures = firstFramePictures();
    QLabel *const labels[] = {header, about};
    for (std::size_t i = 0; i < pictures.size(); ++i)
        if (KestBackdrops::keepDrawn(pictures[i], labels[i]->size()))
            labels[i]->setStyleSheet(labels[i]->styleSheet());
}

FirstFrameWork::FirstFrameWork(std::vector<QString> pictures)
    : paths(std::move(pictures)), images(paths.size())
{
    thread = std::thread([this] {
        loadFontConfiguration();
        for (std::size_t i = 0; i < paths.size(); ++i)
            images[i] = KestBackdrops::decodeForPixmap(paths[i]);
    });
}

FirstFrameWork::~FirstFrameWork()
{
    wait();
}

void FirstFrameWork::wait()
{
    if (thread.joinable())
        thread.join();
}

void FirstFrameWork::finish()
{
    wait();
    for (std::size_t i = 0; i < paths.size(); ++i)
        KestBackdrops::preload(paths[i], std::exchange(images[i], QImage()));
}
