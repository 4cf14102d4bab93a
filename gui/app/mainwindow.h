#pragma once

#include "kestevent.h"
#include "kestupgrade.h"

#include <QMainWindow>
#include <QNetworkAccessManager>
#include <QPointF>
#include <QTimer>

#include <array>
#include <cstdint>

class CalibrationPage;
class DevicePage;
class InputsPage;
class PlugMonitor;
class ProfilesPage;
class UpdateCheck;
namespace kest {
class KestUnit;
}
QT_BEGIN_NAMESPACE
class QLabel;
class Ui_MainWindow;
QT_END_NAMESPACE

/// The program's only window: attaches to the pedal unit, switches pages and closes. Each
/// page's state and logic live in a controller of its own (InputsPage, CalibrationPage,
/// ProfilesPage, DevicePage with UpdateCheck); the window's slots hand
/// the form's signals on to them.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// When the pages are built: all of them before the constructor returns (a window
    /// that may never be shown), or ABOUT, the page shown at the start, before the first
    /// frame and the others as soon as it is drawn.
    enum class PageBuilding { AllAtOnce, AfterFirstFrame };

    explicit MainWindow(QWidget *parent = nullptr, PageBuilding building = PageBuilding::AllAtOnce);
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
    /// The form's signals to the window's slots, as the form names them.
    void connectForm();
    /// Which handle is which, and names for screen readers.
    void nameControls();
    /// The attach retries, the plug-in watch and the frame timer of the live positions.
    void setUpTimers();
    /// Additions that say what the pages show: the pedal names above the columns and the
    /// handles' tooltips. Returns the CLUTCH column's two names, which hide with the clutch.
    std::array<QLabel *, 2> addExplanations();
    /// ABOUT's additions: why the window waits, the program version and the report line.
    void addAboutLines();
    /// The pages not built yet, and then what needs every page: the form's connections,
    /// the controllers. Once only; the attach needs them.
    void buildRemainingPages();
    /// What follows the form's last page: the connections, the controllers and so on.
    void finishForm();
    /// The model and the page controllers over the form's widgets.
    void createPages();
    void showWaiting(const QString &hint);
    /// Stops the reader and closes the unit; the lists no longer stand for it.
    void detachUnit();
    /// Reads everything the pages show of the unit; false when a read failed.
    bool readUnitState();
    /// Shows the newest positions on every page that follows them.
    void showNewestPositions();
    /// The pedal of a sender from the last character of its object name, or -1.
    static int pedalOf(const QObject *sender);
    /// The system announced a node of the unit: attached at once, if none is.
    void unitPlugged(const QString &node);
    /// The system announced that a node of the unit went away.
    void unitUnplugged(const QString &node);

    Ui_MainWindow *ui;
    QPointF dragPosition;
    KestEvent eventThread;
    KestUpgrade upgradeThread;
    QNetworkAccessManager networkManager;
    QString updateBaseUrl;

    bool dragging = false; ///< the top band is held
    /// Set once the close button ended the window: from then on nothing opens the unit,
    /// whatever was still queued or waiting behind a message box.
    bool closing = false;
    QTimer retryTimer; ///< the next attach attempt while no unit is attached
    PlugMonitor *plugMonitor = nullptr; ///< the system's plug-in events, where it has them
    int plugTries = 0; ///< quick attempts left after a plug-in, while the node opens
    /// Live positions reach the screen at most once a frame: reports come up to 1,000
    /// times a second, the screen shows some 60 frames.
    QTimer frameTimer;
    QByteArray newestPositions; ///< of the latest report
    bool positionsPending = false; ///< a report came that the screen does not show yet
    QLabel *waitHint = nullptr; ///< why the window waits, on the ABOUT page
    // The page controllers, children of the window.
    kest::KestUnit *unit = nullptr; ///< what the window knows of the unit
    InputsPage *inputs = nullptr;
    CalibrationPage *calibration = nullptr;
    ProfilesPage *profiles = nullptr;
    UpdateCheck *updateCheck = nullptr;
    DevicePage *device = nullptr;
};
