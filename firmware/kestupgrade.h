#pragma once

#include <QString>
#include <QThread>

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

Q_SIGNALS:
    void progress(int percent);

protected:
    void run() override;
};
