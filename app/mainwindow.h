#pragma once

#include "kestevent.h"
#include "kestreport.h"
#include "kestupgrade.h"

#include <QMainWindow>
#include <QNetworkAccessManager>
#include <QPointF>
#include <QPointer>
#include <QTimer>

#include <array>
#include <cstdint>
#include <optional>

QT_BEGIN_NAMESPACE
class QComboBox;
class QLabel;
class QNetworkReply;
class Ui_MainWindow;
QT_END_NAMESPACE

/// The program's only window: attaches to the pedal unit, switches pages and hosts
/// every page's logic. The page slots live in files of their own:
/// app/inputspage.cpp, app/calibrationpage.cpp, profiles/profilespage.cpp,
/// profiles/profilefiles.cpp, firmware/devicepage.cpp, firmware/updatecheck.cpp.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

public Q_SLOTS:
    void onSidebar();
    void onInit();
    void onClose();
    void onJoystickEvent(QByteArray values);
    void onDeadzoneChanged();
    void onProfileSave();
    void onProfileRemove();
    void onProfileChanged();
    void onProfileExport();
    void onProfileImport();
    void onCalibrateSave();
    void onCalibrateWait();
    void onClutch();
    void onClearFlash();
    void onShowPath();
    void onUpgrade();
    void onAutoUpgrade();
    void onUpgradeReady();
    void onNetUpgrade();
    void onNetProgress(qint64 received, qint64 total);
    void onNetUpgradeReady();
    void onProgress(int percent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // start-up and attach
    void showWaiting(const QString &hint);
    /// Stops the reader and closes the unit; the lists no longer stand for it.
    void detachUnit();
    bool readUnitState();
    /// An "Error" box for an operation the unit did not take part in or all of.
    void unitError(const QString &what);
    // INPUTS page
    void updateClutchVisibility();
    bool loadDeadzones();
    void placeDeadzones(const kest::Report &table);
    // CALIBRATION page
    bool restoreCalibrationStart(int pedal, kest::Report calibration, kest::Report deadzone);
    /// Shows what to do while pedal p calibrates (-1: nothing calibrates).
    void showCalibrationHint(int pedal);
    void updateCalibrationTravel();
    // PROFILES page
    bool readSlotName(int slot, QString &name);
    int findFreeSlot();
    bool writeProfileSlot(int slot, const QString &name, const QByteArray &record);
    bool clearProfileSlot(int slot);
    bool reloadProfiles();
    bool ensureProfilesLoaded();
    void selectProfileBySlot(QComboBox *combo, int slot);
    void selectProfileByName(QComboBox *combo, const QString &name);
    bool findSlotName(int slot, QString &name, QByteArray &record);
    std::uint32_t activeProfileWord(bool withMark);
    bool applyActiveProfile();
    bool syncActiveProfile();
    QComboBox *profileCombo(int pedal) const;
    // DEVICE page
    void resetFirmwarePage();
    void settleFirmwarePage(bool uploadEnded = false);
    /// A short line under the progress bar that clears itself: what a check found.
    void showCheckStatus(const QString &text);

    Ui_MainWindow *ui;
    QPointF dragPosition;
    bool dragging = false; ///< the top band is held
    KestEvent eventThread;
    KestUpgrade upgradeThread;
    int calLowIndex = 0;
    int calHighIndex = 1;
    std::array<std::uint16_t, 6> calObserved;
    /// Both range tables as the unit reported them when the calibration under way
    /// started: a cancel puts them back into effect.
    kest::Report calStartCalibration {};
    kest::Report calStartDeadzone {};
    QTimer calWaitTimer; ///< starts the watch 500 ms after a calibration starts
    QTimer retryTimer; ///< the next attach attempt while no unit is attached
    QLabel *waitHint = nullptr; ///< why the window waits, on the ABOUT page
    QLabel *calHint = nullptr; ///< what to do while a pedal calibrates
    QLabel *checkStatus = nullptr; ///< why the latest update check found nothing
    QTimer checkStatusTimer; ///< clears checkStatus
    int calibrating = -1; ///< the pedal under calibration, -1 when none
    /// Whether the profile lists are the unit's table: false after a reload that a failed
    /// read cut short, when an active word built from them would be made up.
    bool profilesLoaded = false;
    QNetworkAccessManager networkManager;
    QString updateBaseUrl;
    QPointer<QNetworkReply> download; ///< the firmware download under way, if any
    QPointer<QNetworkReply> versionCheck; ///< the update check under way, if any
    std::optional<QByteArray> downloadedImage; ///< a checked download, until onUpgrade takes it
};
