#include "kestupgrade.h"

#include "firmwarechunks.h"
#include "kestdevice.h"

#include <QDebug>
#include <QDir>
#include <QFile>

KestUpgrade::KestUpgrade(QObject *parent) : QThread(parent) { }

void KestUpgrade::run()
{
    QFile file(firmwarePath);
    // Every report of the image goes to this one opening of the unit: after a lost
    // link and a re-attach the unit would get an image with chunks missing.
    const std::uint64_t session = kest::deviceSession();
    if (session == 0)
        return;
    qDebug().noquote() << "Upgrading..." + firmwarePath;
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug("Can not open upgrade firmware file.");
        return;
    }
    const QByteArray image = file.readAll();
    const qint64 size = image.size();
    file.close();

    kest::Report report = kest::emptyReport();
    int last = -1;
    for (qint64 offset = 0; offset < size; offset += kest::FIRMWARE_CHUNK) {
        kest::fillFirmwareData(report, image, offset);
        const int sent = kest::deviceSendInSession(report, session);
        if (sent < 0) {
            // Stop here: the unit must not be told to write a partial image, and the
            // image file stays for another try.
            Q_EMIT progress(sent);
            return;
        }
        const int p = kest::firmwareProgress(offset, size);
        if (p != last) {
            Q_EMIT progress(p);
            last = p;
        }
    }

    kest::fillFirmwareEnd(report);
    if (kest::deviceSendInSession(report, session) < 0) {
        // Without its end report the unit never writes the image: not a success.
        Q_EMIT progress(-1);
        return;
    }
    for (int p = 97; p <= 100; ++p) {
        QThread::sleep(1);
        Q_EMIT progress(p);
    }

    if (firmwarePath.contains(QDir::tempPath()))
        QFile::remove(firmwarePath);
}
