#pragma once

#include "kestevent.h"
#include "kestupgrade.h"

#include <QMainWindow>
#include <QNetworkAccessManager>
#include <QPointF>
#include <QPointer>

#include <array>
#include <cstdint>
#include <optional>

QT_BEGIN_NAMESPACE
class QComboBox;
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
    void showWaiting();
    // INPUTS page
    void updateClutchVisibility();
    void loadDeadzones();
    // PROFILES page
    QString readSlotName(int slot);
    int findFreeSlot();
    void writeProfileSlot(int slot, const QString &name, const QByteArray &record);
    void clearProfileSlot(int slot);
    void reloadProfiles();
    void selectProfileBySlot(QComboBox *combo, int slot);
    void selectProfileByName(QComboBox *combo, const QString &name);
    bool findSlotName(int slot, QString &name, QByteArray &record);
    std::uint32_t activeProfileWord(bool withMark);
    void applyActiveProfile();
    void syncActiveProfile();
    QComboBox *profileCombo(int pedal) const;
    // DEVICE page
    void resetFirmwarePage();
    void settleFirmwarePage(bool uploadEnded = false);

    Ui_MainWindow *ui;
    QPointF dragPosition;
    bool dragging = false; ///< the top band is held
    KestEvent eventThread;
    KestUpgrade upgradeThread;
    int calLowIndex = 0;
    int calHighIndex = 1;
    std::array<std::uint16_t, 6> calObserved;
    QNetworkAccessManager networkManager;
    QString updateBaseUrl;
    QPointer<QNetworkReply> download; ///< the firmware download under way, if any
    QPointer<QNetworkReply> versionCheck; ///< the update check under way, if any
    std::optional<QByteArray> downloadedImage; ///< a checked download, until onUpgrade takes it
};
