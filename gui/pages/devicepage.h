#pragma once

#include "firmwarewidgets.h"

#include <QObject>

class KestUpgrade;
class UpdateCheck;
namespace kest {
class KestUnit;
struct Outcome;
} // namespace kest

/// The DEVICE page: firmware update from a file or an address with its progress, and
/// erasing the unit's flash. One image goes to the unit at a time.
class DevicePage : public QObject
{
    Q_OBJECT

public:
    using Widgets = FirmwareWidgets;

    DevicePage(const Widgets &widgets, kest::KestUnit &unit, KestUpgrade &upload,
               UpdateCheck &check, QObject *parent = nullptr);

    /// The idle page: no progress, "CHECK UPDATE" enabled.
    void reset();
    /// Called at every end of a check, a download or an upload: shows what still runs.
    void settle(bool uploadEnded = false);
    /// Lets the user pick an image file.
    void choosePath();
    /// Uploads the image the path names (an https:// address is downloaded first).
    void upgrade();
    /// Uploads a download whose digest was checked, written to `path`.
    void uploadDownload(const QString &path, const QByteArray &image);
    /// The upload's progress in percent, 0 to 100.
    void progress(int percent);
    /// The upload ended: success, the Error box with what failed, or nothing when
    /// nothing was sent.
    void uploadEnded(const kest::Outcome &outcome);
    /// Asks, then erases the unit's flash. True when the unit took the command: what the
    /// window shows of the unit's settings is then out of date.
    bool clearFlash();

private:
    /// Hands an image that was read and checked whole to the upload thread, once the
    /// unit's settings are saved to `backup` (a new name when empty).
    void startUpload(const QString &path, QByteArray image, bool downloaded,
                     QString backup = QString());
    /// While a download or an upload runs: tells the user, and true.
    bool refuseWhileBusy();

    Widgets w;
    kest::KestUnit &unit;
    KestUpgrade &upload;
    UpdateCheck &check;
};
