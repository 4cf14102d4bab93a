// The INPUTS page: live positions, deadzone handles and the clutch switch.

#include "inputspage.h"

#include "kestbackdrops.h"
#include "kestmessage.h"
#include "kestslider.h"
#include "livebar.h"
#include "pedalmath.h"

#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>

InputsPage::InputsPage(const Widgets &widgets, kest::KestUnit &unit, QObject *parent)
    : QObject(parent), w(widgets), unit(unit)
{
    connect(&unit, &kest::KestUnit::deadzonesChanged, this, &InputsPage::placeDeadzones);
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
    if (!unit.readClutchMode())
        return false;
    w.clutch->setChecked(unit.clutchEnabled());
    return true;
}

bool InputsPage::loadDeadzones()
{
    return unit.readDeadzones();
}

void InputsPage::placeDeadzones()
{
    // While the clutch is off its handles stay where they stood.
    const int first = unit.clutchEnabled() ? 0 : 1;
    for (int p = first; p < kest::PEDAL_COUNT; ++p) {
        const kest::DeadzonePercent d = unit.deadzonePercent(p);
        w.lows[std::size_t(p)]->setValue(d.low);
        w.highs[std::size_t(p)]->setValue(d.high);
    }
    for (std::size_t p = 0; p < std::size_t(kest::PEDAL_COUNT); ++p)
        w.bars[p]->setGeometry(kest::liveBarGeometry(w.plates[p]->geometry(), w.lows[p]->value(),
                                                     w.highs[p]->value()));
}

void InputsPage::deadzoneChanged()
{
    // Every handle's place, as the user left them.
    kest::DeadzonePercents percents;
    for (std::size_t p = 0; p < percents.size(); ++p)
        percents[p] = {w.lows[p]->value(), w.highs[p]->value()};
    const kest::Outcome written = unit.writeDeadzones(percents);
    if (!written.done())
        KestMessage::critical(w.boxParent, tr("Error"), written.message);
}

void InputsPage::updateClutchVisibility()
{
    const bool c = unit.clutchEnabled();
    for (QWidget *widget : w.clutchOnly)
        widget->setVisible(c);
    installPictures(); // before a backdrop can show
    KestBackdrops::instance().use(c ? 1 : 0); // the other picture is put aside
    const QString sheet = c ? QStringLiteral("border-image: url(:/img/back2.png)")
                            : QStringLiteral("border-image: url(:/img/back.png)");
    // The same sheet again would still decode its picture anew.
    for (QWidget *backdrop : w.backdrops)
        if (backdrop->styleSheet() != sheet)
            backdrop->setStyleSheet(sheet);
}

void InputsPage::clutchClicked()
{
    const kest::Outcome switched = unit.setClutch(w.clutch->isChecked());
    // The switch shows what the unit keeps, not a wish it never received.
    w.clutch->setChecked(unit.clutchEnabled());
    updateClutchVisibility();
    if (!switched.done())
        KestMessage::critical(w.boxParent, tr("Error"), switched.message);
}
