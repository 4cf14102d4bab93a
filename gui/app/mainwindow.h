#pragma once

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
class ProfilesPage;
class UpdateCheck;
namespace kest {
class KestUnit;
class UnitSession;
} // namespace kest
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
    /// The frame timer of the live positions.
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
    /// The unit's session: its attach, loss and positions to the window and the pages.
    void createSession();
    /// The first attach attempt, once the window has drawn its first frame.
    void firstAttach();
    void showWaiting(const QString &hint);
    /// The session attached the unit: the pages show it.
    void showAttached();
    /// Reads everything the pages show of the unit; false when a read failed.
    bool readUnitState();
    /// Shows the newest positions on every page that follows them.
    void showNewestPositions();
    /// The pedal of a sender from the last character of its object name, or -1.
    static int pedalOf(const QObject *sender);

    Ui_MainWindow *ui;
    QPointF dragPosition;
    KestUpgrade upgradeThread;
    QNetworkAccessManager networkManager;
    QString updateBaseUrl;

    bool dragging = false; ///< the top band is held
    /// Set once the close button ended the window: from then on nothing opens the unit,
    /// whatever was still queued or waiting behind a message box.
    bool closing = false;
    /// Live positions reach the screen at most once a frame: reports come up to 1,000
    /// times a second, the screen shows some 60 frames.
    QTimer frameTimer;
    QByteArray newestPositions; ///< of the latest report
    bool positionsPending = false; ///< a report came that the screen does not show yet
    QLabel *waitHint = nullptr; ///< why the window waits, on the ABOUT page
    // The page controllers, children of the window.
    kest::KestUnit *unit = nullptr; ///< what the window knows of the unit
    /// Opens the unit, follows it and looks for it while it is absent.
    kest::UnitSession *session = nullptr;
    InputsPage *inputs = nullptr;
    CalibrationPage *calibration = nullptr;
    ProfilesPage *profiles = nullptr;
    UpdateCheck *updateCheck = nullptr;
    DevicePage *device = nullptr;
};
