#include "keyboardlook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace kest {

namespace {

// The mark: two pixels of amber around the control, inside its own rectangle. Against
// the page's rgb(26,25,25) the amber has a contrast of 9.8 : 1.
#define KEST_MARK "2px solid rgb(255, 179, 71)"

// The sidebar and the DEVICE page's buttons: an outline that turns amber. Disabled, the
// text and the outline dim to the grey of the palette's disabled text. Under the mouse
// the form greys the text a little; the outline then turns white, so that a button that
// answers never looks like one that does not. Focus, which comes after, keeps its amber.
const char kOutline[] = "QPushButton:hover {\n\tborder: 1px solid white;\n}\n\n"
                        "QPushButton:focus {\n\tborder: " KEST_MARK ";\n}\n\n"
                        "QPushButton:disabled {\n\tcolor: rgb(110, 110, 110);\n"
                        "\tborder: 1px solid rgb(60, 60, 60);\n}";

// The blue filled buttons: an amber ring along their rounded edge; disabled, grey.
const char kFilled[] = "QPushButton:focus {\n\tborder: " KEST_MARK ";\n}\n\n"
                       "QPushButton:disabled {\n\tcolor: rgb(140, 140, 140);\n"
                       "\tbackground-color: rgb(60, 60, 60);\n}";

// The close glyph is a border image, which would cover a border: focused, the glyph is
// drawn as an image inside an amber frame instead.
const char kClose[] = "QPushButton:focus {\n    border-image: none;\n    border: " KEST_MARK
                      ";\n    border-radius: 3px;\n    image: url(:/img/close.png);\n}\n\n"
                      "QPushButton:focus:hover {\n    image: url(:/img/closeh.png);\n}";

const char kCheckBox[] = "QCheckBox:focus {\n  border: " KEST_MARK ";\n  border-radius: 3px;\n}\n\n"
                         "QCheckBox:disabled {\n  color: rgb(110, 110, 110);\n}";

const char kCombo[] = "QComboBox:focus {\n  border: " KEST_MARK ";\n}\n\n"
                      "QComboBox:disabled {\n  color: rgb(110, 110, 110);\n"
                      "  background-color: rgb(60, 60, 60);\n}";

const char kLineEdit[] = "QLineEdit:focus {\n  border: " KEST_MARK ";\n}\n\n"
                         "QLineEdit:disabled {\n  color: rgb(110, 110, 110);\n"
                         "  border: 1px solid rgb(60, 60, 60);\n}";

#undef KEST_MARK

// Return and Enter press a focused button as Space does: in a window, unlike a dialog, a
// push button leaves them to its parent, which does nothing with them.
class ReturnPresses : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = static_cast<QPushButton *>(watched);
        if (!key->isAutoRepeat() && button->isEnabled())
            button->animateClick();
        return true;
    }
};

void append(QWidget *w, const char *rules)
{
    if (w->styleSheet().contains(keyboardLookMarker()))
        return; // once only
    w->setStyleSheet(w->styleSheet() + keyboardLookMarker() + QLatin1String(rules));
}

} // namespace

void addKeyboardLook(QWidget *root)
{
    const QString filterName = QStringLiteral("kestReturnPresses");
    QObject *returnPresses = root->findChild<QObject *>(filterName, Qt::FindDirectChildrenOnly);
    if (!returnPresses) {
        returnPresses = new ReturnPresses(root);
        returnPresses->setObjectName(filterName);
    }
    for (QPushButton *b : root->findChildren<QPushButton *>()) {
        const QString sheet = b->styleSheet();
        if (sheet.contains(QLatin1String("close.png"))) {
            append(b, kClose);
        } else if (sheet.contains(QLatin1String("border-radius: 10px"))) {
            append(b, kFilled);
        } else if (sheet.contains(QLatin1String("border: 1px solid rgb(112, 112,112)"))) {
            append(b, kOutline);
        } else {
            b->setFocusPolicy(Qt::NoFocus); // the status dot
            continue;
        }
        b->setFocusPolicy(Qt::TabFocus);
        b->removeEventFilter(returnPresses);
        b->installEventFilter(returnPresses);
    }
    for (QCheckBox *c : root->findChildren<QCheckBox *>()) {
        append(c, kCheckBox);
        c->setFocusPolicy(Qt::TabFocus);
    }
    for (QComboBox *c : root->findChildren<QComboBox *>())
        append(c, kCombo);
    for (QLineEdit *e : root->findChildren<QLineEdit *>())
        if (!qobject_cast<QComboBox *>(e->parentWidget())) // a combo's edit field has its mark
            append(e, kLineEdit);
}

} // namespace kest
