#include "mainwindow.h"

#include "attachhints.h"
#include "calibrationpage.h"
#include "devicepage.h"
#include "firstframework.h"
#include "inputspage.h"
#include "kestbackdrops.h"
#include "kestconfig.h"
#include "kestdevice.h"
#include "kestmessage.h"
#include "kestunit.h"
#include "keyboardlook.h"
#include "pageforms.h"
#include "profilespage.h"
#include "unitsession.h"
#include "updatecheck.h"
#include "updateclient.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QNetworkReply>
#include <QPixmapCache>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <utility>

namespace {

// Where firmware updates for this product are published.

// The stacked pages, in the order of the sidebar buttons.
enum class Page { Inputs, Calibration, Profiles, Device, About };

constexpr int kTopBand = 49; ///< a press at or above this y moves the window
constexpr int kFrameMs = 16; ///< the screen's frame, at about 60 Hz
// The longest the first attach attempt waits for the window's first frame: a window that
// is never drawn (opened minimised, say) still attaches.
constexpr int kFirstFrameWaitMs = 1000;

// Calls a function once a window has drawn its first frame: the window's first exposure
// is painted while it is delivered, and the call follows through the event loop.
class AfterFirstFrame : public QObject
{
public:
    AfterFirstFrame(QWindow *window, std::function<void()> then)
        : QObject(window), then(std::move(then))
    {
        window->installEventFilter(this);
        QTimer::singleShot(kFirstFrameWaitMs, this, &AfterFirstFrame::go);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed())
            QTimer::singleShot(0, this, &AfterFirstFrame::go);
        return false;
    }

private:
    void go()
    {
        if (!then)
            return;
        const std::function<void()> call = std::move(then);
        then = nullptr;
        deleteLater();
        call();
    }

    std::function<void()> then;
};

} // namespace

MainWindow::MainWindow(QWidget *parent, PageBuilding building)
    : QMainWindow(parent),
      ui(new Ui_MainWindow()),
      dragPosition(-1, -1),
      upgradeThread(nullptr),
      networkManager(nullptr)
{
    // The pedal pictures come decoded on the side and drawn at the backdrops' size. Where
    // they cannot (a screen that scales), a picture decodes to 13.6 MB, beyond the default
    // cache of 10 MB: without room for it every new look of a backdrop would decode its
    // picture again. Room for one, the picture on screen: the other is let go once the
    // clutch switch replaces it.
    constexpr int kPedalPictureKb = 2303 * 1479 * 4 / 1024;
    QPixmapCache::setCacheLimit(qMax(QPixmapCache::cacheLimit(), 10 * 1024 + kPedalPictureKb));
    KestBackdrops::instance().prepare();
    // Frameless before the form is built: made so afterwards, the window would be styled
    // again widget by widget.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // The first frame shows ABOUT: the other pages' widgets and style sheets need not
    // come before it. The attach needs them and builds them first.
    if (building == PageBuilding::AllAtOnce)
        ui->setupUi(this);
    else
        ui->setupFrame(this, Ui_MainWindow::About);

    // Focus marks and the disabled look; the Tab order comes with the form. Nothing is
    // focused at the start, so the window first shows as the form draws it: the first Tab
    // goes to INPUTS.
    kest::addKeyboardLook(this);
    ui->centralwidget->setFocus();

    setUpTimers();
    addAboutLines();
    kest::deviceInit();
    if (ui->allPagesBuilt())
        finishForm();

    ui->stackedWidget->setCurrentIndex(int(Page::About));

    // The first attempt once the event loop runs: a plug-in announced before it takes
    // its place rather than adding one.
    QTimer::singleShot(0, this, &MainWindow::firstAttach);
}

void MainWindow::buildRemainingPages()
{
    if (ui->allPagesBuilt())
        return;
    ui->buildAllPages();
    finishForm();
}

void MainWindow::finishForm()
{
    for (QComboBox *combo : {ui->cbPro0, ui->cbPro1, ui->cbPro2}) {
        combo->setEditable(true);
        combo->lineEdit()->setAlignment(Qt::AlignCenter);
    }
    kest::addKeyboardLook(this); // the pages built since (each widget once)
    connectForm();
    nameControls();
    createPages();
    // The unit's life starts with every page there to show it.
    createSession();
    device->reset();
}

void MainWindow::addAboutLines()
{
    // Additions to the form, placed where they cover nothing of it: why the window waits
    // (below the web address), this program's version beside the unit's, and where help
    // is.
    waitHint = new QLabel(ui->page5);
    waitHint->setObjectName(QStringLiteral("lbWaitHint"));
    waitHint->setGeometry(110, 280, 540, 90);
    waitHint->setWordWrap(true);
    waitHint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    waitHint->setStyleSheet(QStringLiteral("color: rgb(200, 200, 200); font-size: 13px;"));
    waitHint->hide();
    auto *programVersion
        = new QLabel(tr("Program Version:\t") + QLatin1String(KEST_VERSION), ui->page5);
    programVersion->setObjectName(QStringLiteral("lbProgramVersion"));
    programVersion->setGeometry(20, 380, 350, 21);
    programVersion->setFont(ui->lbVersion->font());
    programVersion->setStyleSheet(ui->lbVersion->styleSheet());
    auto *report = new QLabel(tr("Report a problem: see \"How to report a problem\" in %1")
                                  .arg(kest::installedDoc(QStringLiteral("guide.md"))),
                              ui->page5);
    report->setObjectName(QStringLiteral("lbReport"));
    report->setGeometry(20, 262, 711, 18);
    report->setAlignment(Qt::AlignCenter);
    report->setStyleSheet(QStringLiteral("color: rgb(200, 200, 200); font-size: 13px;"));
}

void MainWindow::connectForm()
{
    connect(ui->pbClose, &QPushButton::clicked, this, &MainWindow::onClose);
    for (QPushButton *b : {ui->pbS1, ui->pbS2, ui->pbS3, ui->pbS4, ui->pbS5})
        connect(b, &QPushButton::clicked, this, &MainWindow::onSidebar);
    for (QPushButton *b : {ui->pbSave0, ui->pbSave1, ui->pbSave2})
        connect(b, &QPushButton::clicked, this, &MainWindow::onCalibrateSave);
    connect(ui->cbClutch, &QCheckBox::clicked, this, &MainWindow::onClutch);
    for (QPushButton *b : {ui->pbSavePro0, ui->pbSavePro1, ui->pbSavePro2})
        connect(b, &QPushButton::clicked, this, &MainWindow::onProfileSave);
    for (QPushButton *b : {ui->pbDelPro0, ui->pbDelPro1, ui->pbDelPro2})
        connect(b, &QPushButton::clicked, this, &MainWindow::onProfileRemove);
    connect(ui->pbImport, &QPushButton::clicked, this, &MainWindow::onProfileImport);
    connect(ui->pbExport, &QPushButton::clicked, this, &MainWindow::onProfileExport);
    for (QComboBox *combo : {ui->cbPro0, ui->cbPro1, ui->cbPro2})
        connect(combo, &QComboBox::currentIndexChanged, this, &MainWindow::onProfileChanged);
    for (KestSlider *s : {ui->lbDzL0, ui->lbDzR0, ui->lbDzL1, ui->lbDzR1, ui->lbDzL2, ui->lbDzR2})
        connect(s, &KestSlider::valueChanged, this, &MainWindow::onDeadzoneChanged);
    connect(&upgradeThread, &KestUpgrade::progress, this, &MainWindow::onProgress);
    connect(ui->pbPath, &QPushButton::clicked, this, &MainWindow::onShowPath);
    connect(ui->pbUpgrade, &QPushButton::clicked, this, &MainWindow::onUpgrade);
    connect(ui->pbAutoUpgrade, &QPushButton::clicked, this, &MainWindow::onAutoUpgrade);
    connect(ui->pbClearFlash, &QPushButton::clicked, this, &MainWindow::onClearFlash);
}

void MainWindow::nameControls()
{
    for (KestSlider *s : {ui->lbDzL0, ui->lbDzL1, ui->lbDzL2})
        s->setSide(0);
    for (KestSlider *s : {ui->lbDzR0, ui->lbDzR1, ui->lbDzR2})
        s->setSide(1);
    // Names for screen readers: "BRAKE curve point 3: 50 %", "BRAKE low deadzone: 5 %".
    KestAxis *const editors[] = {ui->ctAdc0, ui->ctAdc1, ui->ctAdc2};
    KestSlider *const lows[] = {ui->lbDzL0, ui->lbDzL1, ui->lbDzL2};
    KestSlider *const highs[] = {ui->lbDzR0, ui->lbDzR1, ui->lbDzR2};
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        editors[p]->setCurveName(tr("%1 curve").arg(kest::KestUnit::pedalName(p)));
        lows[p]->setHandleName(tr("%1 low deadzone").arg(kest::KestUnit::pedalName(p)));
        highs[p]->setHandleName(tr("%1 high deadzone").arg(kest::KestUnit::pedalName(p)));
    }
}

void MainWindow::setUpTimers()
{
    frameTimer.setObjectName(QStringLiteral("frameTimer"));
    frameTimer.setParent(this);
    frameTimer.setSingleShot(true);
    frameTimer.setInterval(kFrameMs);
    connect(&frameTimer, &QTimer::timeout, this, [this] {
        if (!positionsPending)
            return;
        showNewestPositions();
        frameTimer.start();
    });
}

std::array<QLabel *, 2> MainWindow::addExplanations()
{
    const std::array<KestSlider *, 3> lowHandles {ui->lbDzL0, ui->lbDzL1, ui->lbDzL2};
    const std::array<KestSlider *, 3> highHandles {ui->lbDzR0, ui->lbDzR1, ui->lbDzR2};
    // More additions that cover nothing of the form: the pedal names above the columns
    // of INPUTS and CALIBRATION, as PROFILES has them, and what the percent tags are.
    const QString columnTitle = ui->label_5->styleSheet();
    const auto addTitle = [&](QWidget *page, const char *name, const QString &text, QRect at) {
        auto *title = new QLabel(text, page);
        title->setObjectName(QLatin1String(name));
        title->setGeometry(at);
        title->setAlignment(Qt::AlignCenter);
        title->setStyleSheet(columnTitle);
        return title;
    };
    QLabel *clutchTitles[] = {
        addTitle(ui->page1, "lbName0", kest::KestUnit::pedalName(0), {38, 323, 200, 20}),
        addTitle(ui->page2, "lbCalName0", kest::KestUnit::pedalName(0), {35, 3, 200, 22}),
    };
    addTitle(ui->page1, "lbName1", kest::KestUnit::pedalName(1), {260, 323, 200, 20});
    addTitle(ui->page1, "lbName2", kest::KestUnit::pedalName(2), {483, 323, 200, 20});
    addTitle(ui->page2, "lbCalName1", kest::KestUnit::pedalName(1), {265, 3, 200, 22});
    addTitle(ui->page2, "lbCalName2", kest::KestUnit::pedalName(2), {495, 3, 200, 22});
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        lowHandles[std::size_t(p)]->setToolTip(
            tr("%1 low deadzone: the first part of the travel, which counts "
               "as released. Drag it, or Tab to it and use Left and Right.")
                .arg(kest::KestUnit::pedalName(p)));
        highHandles[std::size_t(p)]->setToolTip(
            tr("%1 high deadzone: the last part of the travel, which counts "
               "as fully pressed. Drag it, or Tab to it and use Left and Right.")
                .arg(kest::KestUnit::pedalName(p)));
    }
    return {clutchTitles[0], clutchTitles[1]};
}

void MainWindow::createPages()
{
    const std::array<QLabel *, 2> clutchTitles = addExplanations();
    InputsPage::Widgets inputWidgets {
        {ui->lbAdc0, ui->lbAdc1, ui->lbAdc2},
        {ui->pgAdc0, ui->pgAdc1, ui->pgAdc2},
        {ui->lbAdcB0, ui->lbAdcB1, ui->lbAdcB2},
        {ui->lbDzL0, ui->lbDzL1, ui->lbDzL2},
        {ui->lbDzR0, ui->lbDzR1, ui->lbDzR2},
        ui->cbClutch,
        {ui->lbAdc0, ui->lbAdcB0, ui->pgAdc0, ui->cbPro0, ui->pgCal0, ui->pbSave0, ui->ctAdc0,
         ui->pbSavePro0, ui->pbDelPro0, ui->lbDzL0, ui->lbDzR0, clutchTitles[0], clutchTitles[1]},
        {ui->lbMain1, ui->lbMain2},
        this,
    };
    unit = new kest::KestUnit(this);
    inputs = new InputsPage(inputWidgets, *unit, this);
    calibration = new CalibrationPage({{ui->pbSave0, ui->pbSave1, ui->pbSave2},
                                       {ui->pgCal0, ui->pgCal1, ui->pgCal2},
                                       ui->page2,
                                       this},
                                      *unit, this);
    connect(calibration, &CalibrationPage::watchDue, this, &MainWindow::onCalibrateWait);
    profiles = new ProfilesPage(
        {{ui->cbPro0, ui->cbPro1, ui->cbPro2}, {ui->ctAdc0, ui->ctAdc1, ui->ctAdc2}, this}, *unit,
        this);
    const FirmwareWidgets firmwareWidgets {
        ui->pbAutoUpgrade, ui->pgUpgrade, ui->lbUpgrade, ui->lbCurVersion,
        ui->lbCurMd5,      ui->lePath,    ui->page4,     this,
    };
    updateCheck = new UpdateCheck(firmwareWidgets, *unit, networkManager, updateBaseUrl,
                                  upgradeThread, this);
    device = new DevicePage(firmwareWidgets, *unit, upgradeThread, *updateCheck, this);
    // The network replies reach the page through the window's slots; a download the
    // page asks for starts from the event loop, through onNetUpgrade.
    connect(updateCheck, &UpdateCheck::checkStarted, this, [this](QNetworkReply *reply) {
        connect(reply, &QNetworkReply::finished, this, &MainWindow::onUpgradeReady);
    });
    connect(updateCheck, &UpdateCheck::downloadStarted, this, [this](QNetworkReply *reply) {
        connect(reply, &QNetworkReply::downloadProgress, this, &MainWindow::onNetProgress);
        connect(reply, &QNetworkReply::finished, this, &MainWindow::onNetUpgradeReady);
    });
    connect(updateCheck, &UpdateCheck::downloadWanted, this, &MainWindow::onNetUpgrade,
            Qt::QueuedConnection);
}

void MainWindow::createSession()
{
    // The attach, its retries and the plug-in watch (their timer is "retryTimer", the
    // monitor "plugMonitor", both children of the session).
    session = new kest::UnitSession(unit, kest::UnitSession::Policy::KeepLooking, this);
    session->setAttachReads([this] { return readUnitState(); });
    connect(session, &kest::UnitSession::positions, this, &MainWindow::onJoystickEvent);
    connect(session, &kest::UnitSession::detached, calibration, &CalibrationPage::abandon);
    connect(session, &kest::UnitSession::waiting, this,
            [this](kest::UnitSession::Absence, const QString &hint) { showWaiting(hint); });
    connect(session, &kest::UnitSession::attached, this, &MainWindow::showAttached);
    upgradeThread.watch(*session);
}

MainWindow::~MainWindow()
{
    // Stopped gently: a thread killed inside a device call would leave the device lock
    // held. Neither thread may outlive the objects it uses.
    // The upload goes first: ending the session closes the device handle, which would
    // cut the image off half-way. The image goes out whole; the unit's writing time
    // after it is not waited out.
    if (upgradeThread.isRunning()) {
        upgradeThread.stop();
        upgradeThread.wait();
    }
    if (session)
        session->stop();
    delete ui;
}

void MainWindow::firstAttach()
{
    // The first attempt waits for the window's first frame: the unit's exchanges and the
    // pedal pictures' decoding would otherwise come between the show and the first paint.
    if (!isVisible() || !windowHandle() || windowHandle()->isExposed()) {
        buildRemainingPages();
        session->start();
        return;
    }
    new AfterFirstFrame(windowHandle(), [this] {
        // The other pages, then the session that shows the unit on them.
        buildRemainingPages();
        if (!session->start())
            return; // an attempt since (a plug-in) took the first one's place
        // After the attach's exchanges, which need not share the machine with it.
        KestBackdrops::instance().decode();
        // The header band and the about picture, loaded whole for the first frame,
        // are kept at their labels' size from now on (1.4 MB of pixels less).
        kest::keepFirstFramePicturesDrawn(ui->lbSplit, ui->label_2);
    });
}

void MainWindow::onInit()
{
    // Attached anew: the unit is closed, opened and read again, or the window waits.
    buildRemainingPages();
    session->attach();
}

void MainWindow::showAttached()
{
    ui->pbStatus->setToolTip(QString());
    waitHint->hide();
    ui->pbStatus->hide();
    ui->lbHead->setText(tr("KEST LABS RM25"));
    updateBaseUrl = kest::UpdateClient::defaultBase();

    for (QPushButton *b : {ui->pbS1, ui->pbS2, ui->pbS3, ui->pbS4})
        b->setEnabled(true);
    QTimer::singleShot(0, ui->pbS1, &QPushButton::click);
    profiles->reportStraySlots(); // once per attach
}

bool MainWindow::readUnitState()
{
    if (!unit->readVersion())
        return false;
    ui->lbVersion->setText(tr("Firmware Version:\t") + unit->firmwareVersion());
    ui->lbVersion->show();

    // The pictures follow the clutch after the attach, before the INPUTS page shows: a
    // picture switch decodes 2303 x 1479 pixels, which neither the unit's exchanges nor
    // the window's first frame need wait for.
    if (!inputs->readClutchMode() || !unit->readProfiles() || !inputs->loadDeadzones())
        return false;
    QTimer::singleShot(0, inputs, &InputsPage::updateClutchVisibility);
    return true;
}

void MainWindow::showWaiting(const QString &hint)
{
    ui->pbStatus->setToolTip(hint);
    waitHint->setText(hint);
    waitHint->show();
    ui->lbHead->setText(tr("WAITING FOR DEVICE..."));
    for (QPushButton *b : {ui->pbS1, ui->pbS2, ui->pbS3, ui->pbS4})
        b->setEnabled(false);
    QTimer::singleShot(0, ui->pbS5, &QPushButton::click);
    ui->pbStatus->show();
    ui->lbVersion->hide();
}

void MainWindow::onClose()
{
    // Closing stops the reader, and with it the device handle: during an upload that
    // would leave the unit with part of an image.
    if (upgradeThread.isRunning()) {
        KestMessage::information(
            this, tr("Notify"),
            tr("The firmware update is still running. Please wait until it is finished."));
        return;
    }
    // Curves edited and not saved are the user's to keep or let go; without a unit there
    // is nothing they could be saved to.
    if (session->isAttached() && !profiles->settleUnsavedCurves())
        return;
    // The choice of active profiles is stored as the window closes.
    const kest::Outcome stored = unit->storeActiveProfiles();
    if (!stored.done())
        KestMessage::critical(this, tr("Error"), stored.message);
    closing = true;
    session->stop();
    close();
}

void MainWindow::onSidebar()
{
    QPushButton *const buttons[] = {ui->pbS1, ui->pbS2, ui->pbS3, ui->pbS4, ui->pbS5};
    for (QPushButton *b : buttons)
        b->setChecked(false);
    const QString name = sender() ? sender()->objectName() : QString();
    if (name.size() < 4)
        return;
    const int digit = name.at(3).digitValue();
    if (digit < 1 || digit > 5)
        return;
    buttons[digit - 1]->setChecked(true);
    ui->stackedWidget->setCurrentIndex(digit - 1);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && qRound(event->position().y()) <= kTopBand) {
        dragPosition = event->globalPosition();
        dragging = true;
    }
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    // Not a negative position as the sign of no drag: on a screen left of or above the
    // primary one, or when the window is dragged across its edge, positions are negative.
    if (!(event->buttons() & Qt::LeftButton) || !dragging)
        return;
    const QPointF global = event->globalPosition();
    const int dx = int(global.x() - dragPosition.x());
    const int dy = int(global.y() - dragPosition.y());
    dragPosition = global;
    move(x() + dx, y() + dy);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *)
{
    dragPosition = QPointF(-1, -1);
    dragging = false;
}

int MainWindow::pedalOf(const QObject *sender)
{
    const QString name = sender ? sender->objectName() : QString();
    if (name.isEmpty())
        return -1;
    const int digit = name.back().digitValue();
    return digit >= 0 && digit < kest::PEDAL_COUNT ? digit : -1;
}

// The page slots: each hands its signal on to the page it belongs to.

void MainWindow::onJoystickEvent(QByteArray values)
{
    // Every report counts for a calibration; the screen shows the newest one at once
    // and then at most once a frame, so that a fast unit is not painted more often
    // than anybody can see.
    calibration->observe(values);
    newestPositions = std::move(values);
    positionsPending = true;
    if (frameTimer.isActive())
        return;
    showNewestPositions();
    frameTimer.start();
}

void MainWindow::showNewestPositions()
{
    positionsPending = false;
    inputs->showPositions(newestPositions);
    profiles->showPositions(newestPositions); // the live markers on the PROFILES page
    calibration->showPositions(newestPositions);
}

void MainWindow::onDeadzoneChanged()
{
    inputs->deadzoneChanged();
}

void MainWindow::onProfileSave()
{
    profiles->save(pedalOf(sender()));
}

void MainWindow::onProfileRemove()
{
    profiles->remove(pedalOf(sender()));
}

void MainWindow::onProfileChanged()
{
    profiles->profileChanged(pedalOf(sender()));
}

void MainWindow::onProfileExport()
{
    profiles->exportTable();
}

void MainWindow::onProfileImport()
{
    // A restore put back the clutch mode and the deadzones as well: the model has them
    // as the unit keeps them (the handles follow its deadzones), the switch follows here.
    // The box that told the end let events through: a close meanwhile has ended the window.
    if (profiles->importTable() && !closing) {
        ui->cbClutch->setChecked(unit->clutchEnabled());
        inputs->updateClutchVisibility();
    }
}

void MainWindow::onCalibrateSave()
{
    calibration->calibrateClicked(pedalOf(sender()));
}

void MainWindow::onCalibrateWait()
{
    calibration->startWatch();
}

void MainWindow::onClutch()
{
    inputs->clutchClicked();
}

void MainWindow::onClearFlash()
{
    // Not only the profiles went: the clutch switch and the deadzone handles would show
    // the settings that were erased, and the next release would commit them again. All
    // of it is read anew; without an answer the window attaches again.
    // The box that says so let events through: a close meanwhile has ended the window.
    if (device->clearFlash() && !closing && (!session->isAttached() || !readUnitState()))
        onInit();
}

void MainWindow::onShowPath()
{
    device->choosePath();
}

void MainWindow::onUpgrade()
{
    device->upgrade();
}

void MainWindow::onAutoUpgrade()
{
    updateCheck->start();
}

void MainWindow::onUpgradeReady()
{
    updateCheck->checkFinished(qobject_cast<QNetworkReply *>(sender()));
}

void MainWindow::onNetUpgrade()
{
    updateCheck->download();
}

void MainWindow::onNetProgress(qint64 received, qint64 total)
{
    updateCheck->downloadProgress(received, total);
}

void MainWindow::onNetUpgradeReady()
{
    updateCheck->downloadFinished(qobject_cast<QNetworkReply *>(sender()));
}

void MainWindow::onProgress(int percent)
{
    device->progress(percent);
}
