// firmware check and firmware update: the update server's newest version against the
// unit's, and an image file written to the unit by the window's upload thread.

#include "cli.h"
#include "firmwarechunks.h"
#include "firmwareupdate.h"
#include "kestdevice.h"
#include "kestupgrade.h"
#include "unitsession.h"
#include "updateclient.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace kestctl {

kest::CheckResult askUpdateServer(const QString &unitVersion)
{
    QNetworkAccessManager network;
    kest::UpdateClient client(network);
    kest::CheckResult result;
    QObject::connect(&client, &kest::UpdateClient::checked, &client,
                     [&result](const kest::CheckResult &checked) {
                         result = checked;
                         QCoreApplication::quit();
                     });
    QNetworkReply *reply = client.check(kest::UpdateClient::defaultBase());
    QObject::connect(reply, &QNetworkReply::finished, &client,
                     [&] { client.checkFinished(reply, unitVersion); });
    QCoreApplication::exec();
    return result;
}

namespace {

/// Where firmware updates for this product are published, as the window asks.

QString devicePageText(const char *text)
{
    return QCoreApplication::translate("DevicePage", text);
}

int check(const Output &out)
{
    if (const auto ended = attachOrFail(out))
        return *ended;
    kest::KestUnit unit;
    const bool versionRead = unit.readVersion();
    kest::deviceClose();
    if (!versionRead)
        return out.fail(ExitFailed, tr("The pedal unit did not tell its firmware version."));

    const kest::CheckResult result = askUpdateServer(unit.firmwareVersion());
    if (result.end != kest::UpdateEnd::Done || result.verdict == kest::UpdateVerdict::NoValidDevice)
        return out.fail(ExitFailed, result.message);
    out.line(result.message);
    QJsonObject o {{QStringLiteral("firmware"), unit.firmwareVersion()},
                   {QStringLiteral("latest"), result.newest.version},
                   {QStringLiteral("updateAvailable"),
                    result.verdict == kest::UpdateVerdict::UpdateAvailable}};
    if (result.verdict == kest::UpdateVerdict::UpdateAvailable) {
        out.line(tr("Image: %1").arg(result.newest.address));
        out.line(tr("MD5:   %1").arg(result.newest.md5));
        o.insert(QStringLiteral("url"), result.newest.address);
        o.insert(QStringLiteral("md5"), result.newest.md5);
    }
    return out.done(o);
}

/// One progress value of the upload: a JSON object, a bar on a terminal, else a line.
void showProgress(const Output &out, LiveLine &live, int percent)
{
    const QString phase = percent >= kest::FIRMWARE_WRITING_FROM ? devicePageText("Writing ...")
                                                                 : devicePageText("Uploading ...");
    if (out.isJson()) {
        out.object({{QStringLiteral("progress"), percent}});
    } else if (live.onTerminal()) {
        constexpr int kWidth = 40;
        const int filled = percent * kWidth / 100;
        live.show(QStringLiteral("%1 [%2%3] %4 %")
                      .arg(phase.leftJustified(13))
                      .arg(QString(filled, QLatin1Char('#')))
                      .arg(QString(kWidth - filled, QLatin1Char('-')))
                      .arg(percent, 3));
    } else {
        live.show(QStringLiteral("%1 %").arg(percent));
    }
}

int update(const Invocation &in, const Output &out, const QString &path)
{
    // The file is read once, here: the bytes checked are the bytes sent.
    QByteArray image;
    const kest::FirmwareFile file = kest::readFirmwareFile(path, image);
    if (file != kest::FirmwareFile::Ok)
        return out.fail(ExitRefused, kest::firmwareFileRefusal(file));
    // The window's question, with its size and MD5, and what it says of the file.
    if (const auto ended = confirmOrEnd(
            in, out, kest::firmwareUploadQuestion(path, image),
            tr("firmware update sends the file to the unit, which cannot check it: confirm "
               "with --yes when not asked on a terminal"),
            tr("Nothing was sent to the unit.")))
        return *ended;
    // Attached once, with the reader running: a pull while the image goes out or while
    // the unit writes it ends the upload as failed.
    kest::UnitSession session(nullptr, kest::UnitSession::Policy::Once);
    if (const auto ended = attachOrFail(out, session))
        return *ended;
    {
        kest::KestUnit unit;
        if (const auto ended = backUpOrFail(out, unit))
            return *ended;
    }

    Interrupts interrupts;
    LiveLine live;
    KestUpgrade upload;
    upload.watch(session);
    upload.firmwarePath = path;
    upload.verifiedImage = image;
    kest::Outcome outcome = kest::Outcome::failed(QString());
    QObject::connect(&interrupts, &Interrupts::interrupted, &upload, [&] {
        live.finish();
        Output::message(QCoreApplication::translate(
            "MainWindow",
            "The firmware update is still running. Please wait until it is finished."));
    });
    QObject::connect(
        &upload, &KestUpgrade::progress, &upload,
        [&](int percent) { showProgress(out, live, percent); }, Qt::QueuedConnection);
    QObject::connect(
        &upload, &KestUpgrade::ended, &upload,
        [&](const kest::Outcome &end) {
            outcome = end;
            QCoreApplication::quit();
        },
        Qt::QueuedConnection);
    upload.startUpload();
    QCoreApplication::exec();
    upload.wait();
    live.finish();
    session.stop();
    switch (outcome.status) {
    case kest::Outcome::Done:
        break;
    case kest::Outcome::Refused: // nothing was sent: the unit went before the first report
        return out.fail(ExitNoUnit, outcome.message);
    case kest::Outcome::Failed:
        return out.fail(ExitFailed, outcome.message);
    }
    const QString done = devicePageText("Firmware updated successfully.");
    out.line(done);
    return out.done({{QStringLiteral("message"), done}});
}

} // namespace

int runFirmware(const Invocation &in)
{
    const Output out(in.json);
    const QString what = in.words.value(1);
    if (what == QLatin1String("check") && in.words.size() == 2)
        return check(out);
    if (what == QLatin1String("update") && in.words.size() == 3)
        return update(in, out, in.words.at(2));
    return out.fail(ExitRefused, tr("usage: kestctl firmware check | update FILE"));
}

} // namespace kestctl
