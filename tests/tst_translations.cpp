// The window in every shipped language and in the pseudo-language: every text that a
// page or a state shows fits its widget. Also the choice of the language itself.

#include "language.h"
#include "windowsupport.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtMath>

using namespace testsupport;

namespace {

/// The room a button's text has in the state it is narrowest in. A style sheet can take
/// room in one state only: a checked box's indicator with its border, the mark of the
/// keyboard focus, a hovered or pressed button's border. The style is asked with the
/// option the button paints with, in each state it can take. The height is the plain
/// state's: a border's pixels above and below fall in the line's leading, not its ink.
QRect buttonRoom(QAbstractButton *button, QStyle::SubElement contents)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    if (auto *push = qobject_cast<QPushButton *>(button)) {
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
    }
    const QStyle::State kept
        = option.state & ~(QStyle::State_On | QStyle::State_Off | QStyle::State_HasFocus);
    QList<QStyle::State> states {QStyle::State_None};
    if (button->focusPolicy() != Qt::NoFocus)
        states << QStyle::State_HasFocus;
    if (button->isEnabled())
        states << QStyle::State_MouseOver << QStyle::State_Sunken;
    QRect room;
    for (const QStyle::State checked : {QStyle::State_Off, QStyle::State_On}) {
        if (checked == QStyle::State_On && !button->isCheckable())
            continue;
        for (const QStyle::State state : std::as_const(states)) {
            option.state = kept | checked | state;
            if (!(state & QStyle::State_Sunken) && qobject_cast<QPushButton *>(button))
                option.state |= QStyle::State_Raised;
            const QRect r = button->style()->subElementRect(contents, &option, button);
            if (room.isNull())
                room = r;
            room.setWidth(qMin(room.width(), r.width()));
        }
    }
    return room;
}

/// The width a line of text takes when drawn: its advances, or its ink where a glyph
/// reaches past them (a bold or italic last letter), rounded up to whole pixels.
int lineWidth(const QFont &font, const QString &line)
{
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.boundingRect(line);
    return qCeil(qMax(metrics.horizontalAdvance(line), ink.right()) - qMin(0.0, ink.left()));
}

/// Why `w`'s text would be cut, or an empty string when it fits.
QString clipping(QWidget *w)
{
    QString text;
    QRect room;
    int flags = Qt::TextExpandTabs;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        text = label->text();
        room = label->contentsRect();
        const int margin = label->margin() + qMax(label->indent(), 0);
        room.adjust(margin, margin, -margin, -margin);
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
    } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
        text = box->text();
        room = buttonRoom(box, QStyle::SE_CheckBoxContents);
    } else if (auto *radio = qobject_cast<QRadioButton *>(w)) {
        text = radio->text();
        room = buttonRoom(radio, QStyle::SE_RadioButtonContents);
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        text = button->text();
        room = buttonRoom(button, QStyle::SE_PushButtonContents);
    } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
        text = edit->text().isEmpty() ? edit->placeholderText() : edit->text();
        room = edit->contentsRect().marginsRemoved(edit->textMargins());
        room.adjust(2, 0, -2, 0); // QLineEdit's own horizontal margin
    }
    if (text.isEmpty() || text.startsWith(QLatin1Char('<')))
        return QString();
    const QFontMetrics metrics(w->font());
    QRect needed = metrics.boundingRect(room, flags, text);
    if (!(flags & Qt::TextWordWrap)) {
        for (const QString &line : text.split(QLatin1Char('\n')))
            needed.setWidth(qMax(needed.width(), lineWidth(w->font(), line)));
    }
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return QString();
    return QStringLiteral("%1 \"%2\" needs %3 x %4 px, has %5 x %6")
        .arg(w->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

/// The visible texts of the window that do not fit, each named with the state it is in.
QStringList clipped(QWidget *window, const QString &state)
{
    processPosted();
    QStringList out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        const QString why = clipping(w);
        if (!why.isEmpty())
            out << state + QStringLiteral(": ") + why;
    }
    return out;
}

/// Shows each text on `widget` in turn, as the state that sets it would, and names those
/// that do not fit. For texts of states a test cannot hold (an update check's answer).
QStringList clippedTexts(QWidget *window, const char *widget, const QStringList &texts)
{
    auto *label = child(window, widget);
    const QString kept = label->property("text").toString();
    const bool hidden = label->isHidden();
    label->show();
    QStringList out;
    for (const QString &text : texts) {
        label->setProperty("text", text);
        const QString why = clipping(label);
        if (!why.isEmpty())
            out << QStringLiteral("set by its state: ") + why;
    }
    label->setProperty("text", kept);
    label->setHidden(hidden);
    return out;
}

QString translated(const char *context, const char *text)
{
    return QCoreApplication::translate(context, text);
}

std::unique_ptr<MainWindow> shownWindow()
{
    auto w = std::make_unique<MainWindow>();
    w->setWindowFlags(Qt::FramelessWindowHint);
    w->show();
    return w;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanupTestCase() { kest::installTranslators(QStringLiteral("C")); }

    void languageIsChosen_data();
    void languageIsChosen();
    void pseudoTextKeepsWhatTheCodeReads_data();
    void pseudoTextKeepsWhatTheCodeReads();
    void checkBoxTextIsMeasuredAsDrawn_data();
    void checkBoxTextIsMeasuredAsDrawn();
    void everyTextFits_data();
    void everyTextFits();
};

void TestTranslations::languageIsChosen_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("inputs"); ///< the INPUTS button's text then

    const QString english = QStringLiteral("INPUTS");
    QTest::newRow("--lang de") << QStringList {"kest-setting", "--lang", "de"} << "de"
                               << "EINGABEN";
    QTest::newRow("--lang=ja") << QStringList {"kest-setting", "--lang=ja"} << "ja"
                               << "入力";
    QTest::newRow("a region of a language") << QStringList {"x", "--lang", "de_AT"} << "de"
                                            << "EINGABEN";
    QTest::newRow("written with a hyphen") << QStringList {"x", "--lang", "pt-BR"} << "pt_BR"
                                           << "ENTRADAS";
    QTest::newRow("Portuguese of Portugal") << QStringList {"x", "--lang", "pt_PT"} << "pt_BR"
                                            << "ENTRADAS";
    QTest::newRow("English") << QStringList {"x", "--lang", "en_GB"} << "" << english;
    QTest::newRow("the C locale") << QStringList {"x", "--lang", "C"} << "" << english;
    QTest::newRow("a language not shipped") << QStringList {"x", "--lang", "fi"} << "" << english;
    QTest::newRow("pseudo") << QStringList {"x", "--lang", "pseudo"} << "pseudo"
                            << kest::pseudoText(english);
}

void TestTranslations::languageIsChosen()
{
    QFETCH(QStringList, arguments);
    // A language installed before is replaced, never mixed in.
    kest::installTranslators(QStringLiteral("fr"));
    QFETCH(QString, installed);
    QCOMPARE(kest::installTranslators(kest::languageArgument(arguments)), installed);
    QTEST(translated("MainWindow", "INPUTS"), "inputs");
    // Qt's own buttons speak the same language (Debian's Qt translations).
    const QString cancel = translated("QPlatformTheme", "Cancel");
    if (installed == QLatin1String("de"))
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
    else if (installed.isEmpty())
        QCOMPARE(cancel, QStringLiteral("Cancel"));
}

void TestTranslations::pseudoTextKeepsWhatTheCodeReads_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("pseudo");

    QTest::newRow("a third longer, accented") << "SAVE" << QString::fromUtf8("ŠÅVÉŠÅ");
    QTest::newRow("placeholders kept")
        << "%1 of %2 (%L3 %)" << QString::fromUtf8("%1 öfö %2 (%L3 %)");
    QTest::newRow("a tab stays last") << "Version:\t" << QString::fromUtf8("VéŕšîöñVéŕ:\t");
    QTest::newRow("each line grows") << "ab\ncd" << QString::fromUtf8("åbå\nçďç");
    QTest::newRow("numbers and formats alone") << "100"
                                               << "100";
    QTest::newRow("a progress bar's format") << "%v"
                                             << "%v";
}

void TestTranslations::pseudoTextKeepsWhatTheCodeReads()
{
    QFETCH(QString, source);
    QTEST(kest::pseudoText(source), "pseudo");
}

void TestTranslations::checkBoxTextIsMeasuredAsDrawn_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("measuredCut"); ///< what the fit test says, for every state
    QTest::addColumn<bool>("drawnCut"); ///< what the painting shows in this state

    // Checked, the indicator's border takes 4 px of the text's room: this text lost the
    // right edge of its F on screen while the measure said it fit.
    QTest::newRow("EMBRAYAGE ACTIF") << "EMBRAYAGE ACTIF" << false << true << true;
    // Fits until the box has the keyboard focus, whose mark takes 2 px a side.
    QTest::newRow("AVEC EMBRAYAGE") << "AVEC EMBRAYAGE" << false << true << false;
    QTest::newRow("AVEC EMBRAYAGE, focused") << "AVEC EMBRAYAGE" << true << true << true;
    QTest::newRow("EMBRAYAGE, focused") << "EMBRAYAGE" << true << false << false;
    QTest::newRow("ENABLE CLUTCH, focused") << "ENABLE CLUTCH" << true << false << false;
}

void TestTranslations::checkBoxTextIsMeasuredAsDrawn()
{
    QFETCH(QString, text);
    QFETCH(bool, focused);
    kest::installTranslators(QStringLiteral("C"));
    freshUnit(unitInUse());
    auto w = shownWindow();
    QVERIFY(waitFor([&] { return currentPage(w.get()) == 0; }));
    auto *box = child<QCheckBox>(w.get(), "cbClutch");
    QVERIFY(box->isChecked());
    box->setText(text);
    QTEST(!clipping(box).isEmpty(), "measuredCut");
    if (focused) {
        w->activateWindow();
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
    }

    // What the painting shows. Drawn wider, the text's last column of ink is where the
    // box's own drawing would cut it off: at its edge, or where its focus mark begins.
    const int width = box->width();
    const int height = box->height();
    constexpr int kMore = 40;
    const QImage own = box->grab().toImage();
    box->resize(width + kMore, height);
    const QImage wide = box->grab().toImage();
    box->resize(width, height);
    const int free = width + kMore / 2; // only background there
    int inkEnd = 0;
    for (int y = 3; y < height - 3; ++y)
        for (int x = 0; x < free; ++x)
            if (wide.pixel(x, y) != wide.pixel(free, y))
                inkEnd = qMax(inkEnd, x + 1);
    // The mark's columns on the right, above the text's capitals.
    const int markRow = 4;
    int textEnd = width;
    while (textEnd > 0 && own.pixel(textEnd - 1, markRow) != wide.pixel(free, markRow)
           && own.pixel(textEnd - 1, markRow) == own.pixel(width - 1, markRow))
        --textEnd;
    QTEST(inkEnd > textEnd, "drawnCut");
}

void TestTranslations::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    // The English texts as they are ("C"), each shipped language, and the pseudo-language.
    QStringList languages = QStringList {QStringLiteral("C")} + kest::shippedLanguages();
    languages << QStringLiteral("pseudo");
    for (const QString &language : std::as_const(languages))
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyTextFits()
{
    QFETCH(QString, language);
    QCOMPARE(kest::installTranslators(language),
             language == QLatin1String("C") ? QString() : language);
    DialogCatcher dialogs; // the calibration's questions and refusals
    dialogs.button = QMessageBox::No;
    QStringList failures;

    // Waiting: no unit, then a unit this user may not open.
    freshUnit();
    kestsim::unit().unplug();
    {
        auto w = shownWindow();
        QVERIFY(waitFor([&] { return child(w.get(), "lbWaitHint")->isVisible(); }));
        failures << clipped(w.get(), QStringLiteral("waiting"));
        failures << clippedTexts(
            w.get(), "lbWaitHint",
            {translated("MainWindow",
                        "The pedal unit was found but did not answer "
                        "every read; trying again."),
             translated("MainWindow",
                        "The pedal unit is connected but cannot be opened: this user "
                        "has no access to it. Install the kest-setting package or its "
                        "udev rule (70-kest-pedals.rules), then unplug the unit and "
                        "plug it in again. kestctl doctor says what is missing; more in %1.")
                 .arg(QStringLiteral("/usr/share/doc/kest-setting/linux.md"))});
    }

    // Attached, with the clutch on and profiles in every list: each page.
    freshUnit(unitInUse());
    auto w = shownWindow();
    QVERIFY(waitFor([&] { return currentPage(w.get()) == 0; }));
    const char *pages[] = {"pbS1", "pbS2", "pbS3", "pbS4", "pbS5"};
    for (const char *page : pages) {
        QTest::mouseClick(child(w.get(), page), Qt::LeftButton);
        failures << clipped(w.get(), QStringLiteral("attached, page of ") + QLatin1String(page));
    }

    // Calibrating: the button turns into SAVE and the hint counts the travel seen.
    QTest::mouseClick(child(w.get(), "pbS2"), Qt::LeftButton);
    QTest::mouseClick(child(w.get(), "pbSave2"), Qt::LeftButton);
    failures << clipped(w.get(), QStringLiteral("calibrating"));
    startWatchNow(w.get());
    const QString noTravel = child<QLabel>(w.get(), "lbCalHint")->text();
    kestsim::unit().setPedals(0, 0, 1234);
    kestsim::unit().setStreaming(true, 250);
    QVERIFY(waitFor([&] { return child<QLabel>(w.get(), "lbCalHint")->text() != noTravel; }));
    kestsim::unit().setPedals(0, 0, 65535);
    waitFor([] { return false; }, 100);
    failures << clipped(w.get(), QStringLiteral("calibrating, travel seen"));
    kestsim::unit().setStreaming(false, 250);

    // Checking for an update, downloading, uploading and writing.
    QTest::mouseClick(child(w.get(), "pbS4"), Qt::LeftButton);
    failures << clippedTexts(w.get(), "pbAutoUpgrade", {translated("UpdateCheck", "Checking ...")});
    failures << clippedTexts(
        w.get(), "lbCheckStatus",
        {translated("UpdateCheck", "Update check failed: the update server did not answer in %1.")
             .arg(translated("UpdateCheck", "a minute")),
         translated("UpdateCheck", "Update check failed: the update server could not be reached."),
         translated("UpdateCheck",
                    "Update check failed: the update server's answer could not be read."),
         translated("UpdateCheck", "Download given up: the firmware did not arrive within %1.")
             .arg(translated("UpdateCheck", "%1 minutes").arg(10))});
    failures << clippedTexts(w.get(), "lbUpgrade", {translated("UpdateCheck", "Downloading ...")});
    for (int percent : {10, 95}) {
        QMetaObject::invokeMethod(w.get(), "onProgress", Q_ARG(int, percent));
        failures << clipped(w.get(), QStringLiteral("uploading %1 %").arg(percent));
    }
    w.reset();
    kestsim::unit().setStreaming(false, 250);

    if (language == QLatin1String("pseudo")) {
        // The English text already fills these: a third more cannot fit, and each language
        // is held to the room in its own row (its translators chose short words). The
        // calibration buttons lose two pixels a side to the focus mark.
        static const QStringList tight
            = QStringLiteral("lbHead pbS2 cbClutch pbClearFlash lbUpgrade lbCalHint lbCheckStatus "
                             "pbSave0 pbSave1 pbSave2")
                  .split(QLatin1Char(' '));
        QStringList unexpected;
        QSet<QString> seen;
        for (const QString &failure : std::as_const(failures)) {
            const QString widget = failure.section(QLatin1String(": "), 1).section(' ', 0, 0);
            seen.insert(widget);
            if (!tight.contains(widget))
                unexpected << failure;
        }
        for (const QString &widget : tight)
            QVERIFY2(seen.contains(widget),
                     qPrintable(widget + QStringLiteral(" has room now: take it off the list")));
        failures = unexpected;
    }
    for (const QString &failure : std::as_const(failures))
        qWarning("%s: %s", qPrintable(language), qPrintable(failure));
    QVERIFY2(failures.isEmpty(),
             qPrintable(QStringLiteral("%1 texts cut off in %2 (listed above)")
                            .arg(failures.size())
                            .arg(language)));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
