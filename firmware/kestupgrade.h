#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>

#include <chrono>
#include <optional>

/// The firmware upload: sends an image file to the unit as data reports of 16 bytes
/// each, then the end report, and reports its progress in percent (negative: a data
/// report could not be sent; the upload then stops and never reaches 100).
class KestUpgrade : public QThread
{
    Q_OBJECT

public:
    explicit KestUpgrade(QObject *parent = nullptr);

    /// The image file; set by the GUI thread while the thread is idle.
    QString firmwarePath;

    /// A downloaded image, exactly the bytes whose digest was checked; set by the GUI
    /// thread while the thread is idle. When set, these bytes are sent instead of what
    /// the file at firmwarePath holds now, and that file, the program's own temporary
    /// copy, is deleted after an upload that reached 100. When not set, the file is
    /// read and always left where it is.
    std::optional<QByteArray> verifiedImage;

    /// How long each of the four closing steps waits while the unit writes the image
    /// (one second for the unit; tests that do not watch the steps shorten it).
    static void setClosingStep(std::chrono::milliseconds step);

Q_SIGNALS:
    void progress(int percent);

protected:
    void run() override;
};
