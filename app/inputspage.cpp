// The INPUTS page: live positions, deadzone handles and the clutch switch.

#include "inputspage.h"

#include "kestbackdrops.h"
#include "kestdevice.h"
#include "kestmessage.h"
#include "kestslider.h"
#include "livebar.h"
#include "pedalmath.h"

#include <QCheckBox>
#include <QDebug>
#include <QLabel>
#include <QProgressBar>

InputsPage::InputsPage(const Widgets &widgets, QObject *parent) : QObject(parent), w(widgets)
{
    // The pictures are put in as soon as they are decoded; the sheets set before then show
    // a stand-in and are set again.
    KestBackdrops &pictures = KestBackdrops::instance();
    connect(&pictures, &KestBackdrops::decoded, this, &InputsPage::installPictures);
    connect(&pictures, &KestBackdrops::installed, this, [this] {
        for (QWidget *backdrop : w.backdrops)
            backdrop->setStyleSheet(backdrop->styleSheet());
    });
}

void InputsPage::installPictures()
{
    if (!w.backdrops.empty())
        KestBackdrops::instance().install(w.backdrops.front()->size());
}

void InputsPage::showPositions(const QByteArray &values)
{
    for (int p = 0; p < kest::PEDAL_COUNT; ++p) {
        const std::uint16_t v = kest::pedalPosition(values, p);
        w.numbers[std::size_t(p)]->setText(QString::number(v));
        kest::showBarValue(w.bars[std::size_t(p)], v);
    }
}

bool InputsPage::readClutch()
{
    if (!readClutchMode())
        return false;
    updateClutchVisibility();
    return true;
}

bool InputsPage::readClutchMode()
{
    std::uint32_t mode = 0;
    if (!kest::deviceSettingRead(kest::KESTIE_PEDAL_MODE, mode))
        return false;
    w.clutch->setChecked(kest::pedalModeEnabled(mode));
    return true;
}

bool InputsPage::loadDeadzones()
{
    // Without an answer there is nothing to show: the handles keep their places rather
    // than jumping to the ends that an unanswered read would give, which the next
    // release would commit.
    kest::Report reply {};
    if (!kest::deviceQuery(kest::CMD_PEDAL_RANGE, kest::RANGE_DEADZONE, reply))
        return false;
    placeDeadzones(reply);
    return true;
}

void InputsPage::placeDeadzones(const kest::Report &reply)
{
    const int first = w.clutch->isChecked() ? 0 : 1;
    for (int p = first; p < kest::PEDAL_COUNT; ++p) {
        w.lows[std::size_t(p)]->setValue(kest::lowPercentFromRaw(kest::rangeValue(reply, 2 * p)));
        w.highs[std::size_t(p)]->setValue(
            kest::highPercentFromRaw(kest::rangeValue(reply, 2 * p + 1)));
    }
    for (std::size_t p = 0; p < std::size_t(kest::PEDAL_COUNT); ++p)
        w.bars[p]->setGeometry(kest::liveBarGeometry(w.plates[p]->geometry(), w.lows[p]->value(),
                                                     w.highs[p]->value()));
}

void InputsPage::deadzoneChanged()
{
    kest::RangeValues values {0, kest::RAW_MAX};
    const int first = w.clutch->isChecked() ? 0 : 1;
    for (int p = first; p < kest::PEDAL_COUNT; ++p) {
        values[std::size_t(2 * p)] = kest::rawFromLowPercent(w.lows[std::size_t(p)]->value());
        values[std::size_t(2 * p + 1)] = kest::rawFromHighPercent(w.highs[std::size_t(p)]->value());
    }
    if (!kest::deviceIsOpen())
        return;
    if (!kest::deviceWrite(kest::rangeWrite(kest::RANGE_DEADZONE, values, true)))
        KestMessage::critical(w.boxParent, tr("Error"),
                              tr("The deadzones were not saved: the pedal unit did not take "
                                 "them. It keeps the deadzones it had."));
    loadDeadzones();
}

void InputsPage::updateClutchVisibility()
{
    const bool c = w.clutch->isChecked();
    for (QWidget *widget : w.clutchOnly)
        widget->setVisible(c);
    installPictures(); // before a backdrop can show
    const QString sheet = c ? QStringLiteral("border-image: url(:/img/back2.png)")
                            : QStringLiteral("border-image: url(:/img/back.png)");
    // The same sheet again would still decode its picture anew.
    for (QWidget *backdrop : w.backdrops)
        if (backdrop->styleSheet() != sheet)
            backdrop->setStyleSheet(sheet);
}

void InputsPage::clutchClicked()
{
    const std::uint32_t c = w.clutch->isChecked() ? 1 : 0;
    updateClutchVisibility();
    if (!kest::deviceIsOpen())
        return;
    std::uint32_t mode = 0;
    const bool read = kest::deviceSettingRead(kest::KESTIE_PEDAL_MODE, mode);
    if (read && mode == c)
        return;
    if (read && kest::deviceSettingWrite(kest::KESTIE_PEDAL_MODE, c)) {
        qDebug("deviceSettingWrite KESTIE_PEDAL_MODE");
        return;
    }
    // The switch shows what the unit keeps, not a wish it never received.
    w.clutch->setChecked(!c);
    updateClutchVisibility();
    KestMessage::critical(w.boxParent, tr("Error"),
                          tr("The clutch setting was not changed: the pedal unit did not "
                             "answer. It keeps the setting it had."));
}
