#pragma once

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;
QT_END_NAMESPACE

/// The DEVICE page's widgets, which the update check and the upload share.
struct FirmwareWidgets
{
    QPushButton *check = nullptr; ///< "CHECK UPDATE"
    QProgressBar *progress = nullptr;
    QLabel *phase = nullptr; ///< "Downloading ...", "Uploading ...", "Writing ..."
    QLabel *offeredVersion = nullptr; ///< "Version: " of an offered update
    QLabel *offeredDigest = nullptr; ///< "MD5: " and the digest the image must have
    QLineEdit *path = nullptr; ///< the image's file or https:// address
    QWidget *page = nullptr; ///< the DEVICE page, which gets the check's status line
    QWidget *boxParent = nullptr; ///< the window, for message boxes
};
