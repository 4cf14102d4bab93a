// kest-artgen: repaints every committed picture of the program.
//
//   kest-artgen [SOURCE_DIR]
//
// writes SOURCE_DIR/gui/resources/img/*.png, the application icon at every size and as SVG
// under SOURCE_DIR/packaging/icons/hicolor/ (laid out as in the icon theme it is
// installed into) and, for the Windows build, SOURCE_DIR/packaging/windows/
// kest-setting.ico with its resource script.
#include "artwork.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QList>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <utility>
#include <vector>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return false;
    }
    QTextStream(stdout) << path << '\n';
    return true;
}

bool writePng(const QString &path, const QImage &image)
{
    if (image.format() != QImage::Format_ARGB32) {
        QTextStream(stderr) << "not an ARGB32 picture: " << path << '\n';
        return false;
    }
    const QByteArray png = Art::pngFile(image);
    if (png.isEmpty()) {
        QTextStream(stderr) << "cannot encode " << path << '\n';
        return false;
    }
    return writeFile(path, png);
}

} // namespace

int main(int argc, char *argv[])
{
    // Painting text needs a GUI application but no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = QCoreApplication::arguments();
    if (args.size() > 2 || (args.size() == 2 && args.at(1).startsWith(QLatin1Char('-')))) {
        QTextStream(stderr) << "usage: kest-artgen [SOURCE_DIR]\n";
        return 2;
    }
    const QDir root(args.size() == 2 ? args.at(1) : QDir::currentPath());
    const QString img = root.filePath(QStringLiteral("gui/resources/img/"));

    const std::vector<std::pair<QString, std::function<QImage()>>> images = {
        {QStringLiteral("head.png"), Art::header},
        {QStringLiteral("logo.png"), Art::wordmark},
        {QStringLiteral("kest.png"), [] { return Art::mark(31); }},
        {QStringLiteral("close.png"), [] { return Art::closeGlyph(false); }},
        {QStringLiteral("closeh.png"), [] { return Art::closeGlyph(true); }},
        {QStringLiteral("back.png"), [] { return Art::pedalSet(false); }},
        {QStringLiteral("back2.png"), [] { return Art::pedalSet(true); }},
        {QStringLiteral("arrow.png"), Art::dropArrow},
        {QStringLiteral("about.png"), Art::about},
        {QStringLiteral("min.png"), Art::minimiseGlyph},
    };
    bool ok = true;
    for (const auto &[name, paint] : images)
        ok = writePng(img + name, paint()) && ok;

    const QString theme = root.filePath(QStringLiteral("packaging/icons/hicolor/"));
    QList<QImage> icons;
    for (const int size : Art::iconSizes) {
        icons.append(Art::mark(size));
        ok = writePng(theme + QStringLiteral("%1x%1/apps/kest-setting.png").arg(size), icons.last())
            && ok;
    }
    ok = writeFile(theme + QStringLiteral("scalable/apps/kest-setting.svg"), Art::markSvg()) && ok;
    ok = writeFile(root.filePath(QStringLiteral("packaging/windows/kest-setting.ico")),
                   Art::icoFile(icons))
        && ok;
    ok = writeFile(root.filePath(QStringLiteral("packaging/windows/kest-setting.rc")),
                   QByteArrayLiteral("IDI_ICON1 ICON \"kest-setting.ico\"\n"))
        && ok;
    return ok ? 0 : 1;
}
