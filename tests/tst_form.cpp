// The window's form, built whole or page by page, against the one form it was split from
// (data/mainwindow.ui, compiled here): the same tree, properties and Tab order.

#include "kestbackdrops.h"
#include "pageforms.h"
#include "ui_mainwindow_golden.h"
#include "windowsupport.h"

#include <QMainWindow>
#include <QMetaProperty>

using namespace testsupport;

namespace {

/// Where the object sits: its class, name and the names up its parent chain.
QString place(const QObject *o)
{
    QString out = QString::fromLatin1(o->metaObject()->className()) + u' ' + o->objectName();
    for (const QObject *p = o->parent(); p; p = p->parent())
        out += QStringLiteral(" < ") + p->objectName();
    return out;
}

/// Every readable property of an object and its dynamic ones, as text where the value
/// cannot be compared as it is.
QVariantMap properties(const QObject *o)
{
    QVariantMap out;
    const QMetaObject *mo = o->metaObject();
    for (int i = 0; i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        if (!p.isReadable())
            continue;
        const QVariant v = p.read(o);
        // An object (a model) by its class; a value that cannot be compared by its type.
        const bool comparable = v.metaType().isEqualityComparable()
            && !(v.metaType().flags() & QMetaType::PointerToQObject);
        out.insert(QLatin1String(p.name()), comparable ? v : QVariant(v.typeName()));
    }
    for (const QByteArray &name : o->dynamicPropertyNames())
        out.insert(QString::fromLatin1("dynamic " + name), o->property(name));
    return out;
}

/// One object of a tree: where it sits and its properties.
struct Entry
{
    QString place;
    QVariantMap properties;
};

/// A tree depth first, each object before its children, the children in their order;
/// only its widgets with `widgetsOnly` (not the animations, timers and so on at work).
QList<Entry> snapshot(const QObject *root, bool widgetsOnly = false)
{
    QList<Entry> out {{place(root), properties(root)}};
    for (const QObject *c : root->children())
        if (!widgetsOnly || c->isWidgetType())
            out << snapshot(c, widgetsOnly);
    return out;
}

/// Only the named widgets of the form: the form's own, without what Qt makes inside them.
QList<Entry> formWidgets(QList<Entry> tree, const QStringList &places)
{
    tree.removeIf([&](const Entry &e) { return !places.contains(e.place); });
    return tree;
}

QStringList places(const QList<Entry> &tree)
{
    QStringList out;
    for (const Entry &e : tree)
        out << e.place;
    return out;
}

/// The differences between two trees, one line each; empty when they are alike. The
/// properties named in `ignored` are left out.
QStringList differences(const QList<Entry> &a, const QList<Entry> &b,
                        const QStringList &ignored = {})
{
    if (places(a) != places(b)) {
        QStringList out;
        for (int i = 0; i < std::max(a.size(), b.size()); ++i)
            if (i >= a.size() || i >= b.size() || a[i].place != b[i].place)
                return {QStringLiteral("at %1: %2 against %3")
                            .arg(i)
                            .arg(i < a.size() ? a[i].place : QString(),
                                 i < b.size() ? b[i].place : QString())};
    }
    QStringList out;
    for (int i = 0; i < a.size(); ++i) {
        const QVariantMap &pa = a[i].properties;
        const QVariantMap &pb = b[i].properties;
        for (auto it = pa.begin(); it != pa.end(); ++it)
            if (!ignored.contains(it.key()) && pb.value(it.key()) != it.value())
                out << a[i].place + QStringLiteral(": ") + it.key() + QStringLiteral(" ")
                        + it.value().toString() + QStringLiteral(" against ")
                        + pb.value(it.key()).toString();
        if (pa.keys() != pb.keys())
            out << a[i].place + QStringLiteral(": other properties");
    }
    return out;
}

/// The widgets Tab visits, in its order.
QStringList tabOrder(QWidget *window)
{
    QStringList out;
    QWidget *w = window;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            out << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != window);
    return out;
}

QStringList pageNames(QWidget *window)
{
    QStringList out;
    auto *stack = child<QStackedWidget>(window, "stackedWidget");
    for (int i = 0; i < stack->count(); ++i)
        out << stack->widget(i)->objectName();
    return out;
}

/// Whether a window's first paint came before its pages other than ABOUT were built.
struct FirstPaint : QObject
{
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            otherPagesBuilt = watched->findChild<QWidget *>(QStringLiteral("page1"));
        }
        return false;
    }
    bool painted = false;
    bool otherPagesBuilt = false;
};

/// The form as it was, one form for the whole window.
struct Golden
{
    Golden() { form.setupUi(&window); }
    QMainWindow window;
    Ui_MainWindowGolden form;
};

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The forms are compared by their properties, not their pixels: the pedal pictures
    // their style sheets name are the stand-ins, as before the window's first frame,
    // rather than decoded whole for every form.
    void initTestCase() { KestBackdrops::instance().prepare(); }
    void init() { freshUnit(); }

    void builtWholeIsTheOneForm();
    void builtPageByPageIsTheOneForm_data();
    void builtPageByPageIsTheOneForm();
    void windowBuildsThePagesAfterItsFirstFrame();
};

void TestForm::builtWholeIsTheOneForm()
{
    Golden golden;
    QMainWindow window;
    Ui_MainWindow form {};
    form.setupUi(&window);
    QVERIFY(form.allPagesBuilt());
    const QStringList d = differences(snapshot(&golden.window), snapshot(&window));
    QVERIFY2(d.isEmpty(), qPrintable(d.join(u'\n')));
    QCOMPARE(tabOrder(&window), tabOrder(&golden.window));
    QCOMPARE(form.cbClutch, window.findChild<QCheckBox *>(QStringLiteral("cbClutch")));
    QCOMPARE(form.page3, window.findChild<QWidget *>(QStringLiteral("page3")));
}

void TestForm::builtPageByPageIsTheOneForm_data()
{
    QTest::addColumn<QList<int>>("order"); // the first page, then the others as built
    QTest::newRow("ABOUT, then in page order") << QList<int> {4, 0, 1, 2, 3};
    QTest::newRow("ABOUT, then backwards") << QList<int> {4, 3, 2, 1, 0};
    QTest::newRow("INPUTS, then mixed") << QList<int> {0, 2, 4, 1, 3};
}

void TestForm::builtPageByPageIsTheOneForm()
{
    QFETCH(QList<int>, order);
    Golden golden;
    QMainWindow window;
    Ui_MainWindow form {};
    form.setupFrame(&window, Ui_MainWindow::Page(order.first()));
    auto *stack = form.stackedWidget;
    // Every page has its index from the start; only the first one has widgets.
    QCOMPARE(stack->count(), int(Ui_MainWindow::PageCount));
    QCOMPARE(stack->widget(order.first())->objectName(),
             QStringLiteral("page%1").arg(order.first() + 1));
    for (int p = 0; p < Ui_MainWindow::PageCount; ++p)
        QCOMPARE(form.pageBuilt(Ui_MainWindow::Page(p)), p == order.first());
    QVERIFY(!form.buildPage(Ui_MainWindow::Page(order.first())));
    stack->setCurrentIndex(order.first());
    // The Tab order holds from the start over the widgets that are there.
    QStringList tabs = tabOrder(&golden.window);
    tabs.removeIf([&](const QString &name) { return !window.findChild<QWidget *>(name); });
    QStringList built = tabOrder(&window);
    for (QStringList *list : {&tabs, &built}) // a combo box's edit field has no name
        list->removeAll(QString());
    QCOMPARE(built, tabs);

    for (int p : order.mid(1)) {
        QVERIFY(form.buildPage(Ui_MainWindow::Page(p)));
        QCOMPARE(stack->currentIndex(), order.first()); // the page shown stays
        QCOMPARE(stack->count(), int(Ui_MainWindow::PageCount));
    }
    QVERIFY(form.allPagesBuilt());
    // A stack raises the page it shows: the one form after the same pages were shown.
    golden.form.stackedWidget->setCurrentIndex(order.first());
    golden.form.stackedWidget->setCurrentIndex(0);
    stack->setCurrentIndex(0);
    const QStringList d = differences(snapshot(&golden.window), snapshot(&window));
    QVERIFY2(d.isEmpty(), qPrintable(d.join(u'\n')));
    QCOMPARE(tabOrder(&window), tabOrder(&golden.window));
    QCOMPARE(pageNames(&window), pageNames(&golden.window));
}

void TestForm::windowBuildsThePagesAfterItsFirstFrame()
{
    // As the program starts: ABOUT before the first frame, the other pages after it and
    // before the attach, whose pages then show what it read.
    Golden golden;
    auto late = std::make_unique<MainWindow>(nullptr, MainWindow::PageBuilding::AfterFirstFrame);
    QVERIFY(late->findChild<QWidget *>(QStringLiteral("page5")));
    QVERIFY(!late->findChild<QWidget *>(QStringLiteral("page1")));
    QVERIFY(late->findChild<QLabel *>(QStringLiteral("lbProgramVersion")));
    QCOMPARE(currentPage(late.get()), 4);
    FirstPaint first;
    late->installEventFilter(&first);
    late->show();
    TRY_COMPARE(currentPage(late.get()), 0);
    QVERIFY(first.painted);
    QVERIFY(!first.otherPagesBuilt);
    late->removeEventFilter(&first);
    QCOMPARE(headText(late.get()), QStringLiteral("KEST LABS RM25"));

    // The form's widgets where the one form has them (parents and order), among the
    // window's additions. A stack raises the page it shows: the one form after the same pages were
    // shown.
    golden.form.stackedWidget->setCurrentIndex(4);
    golden.form.stackedWidget->setCurrentIndex(0);
    QStringList named;
    for (const QWidget *w : golden.window.findChildren<QWidget *>())
        if (!w->objectName().isEmpty())
            named << place(w);
    const QList<Entry> form = formWidgets(snapshot(&golden.window), named);
    const QList<Entry> lateTree = snapshot(late.get(), true);
    QCOMPARE(places(formWidgets(lateTree, named)), places(form));
    QCOMPARE(pageNames(late.get()), pageNames(&golden.window));

    // And as a window that built them all at once shows them once it is attached: every
    // widget and property, the window's additions and changes to the form included.
    const QStringList tabs = tabOrder(late.get());
    late.reset(); // the unit is free for the next window
    MainWindow whole;
    whole.show();
    TRY_COMPARE(currentPage(&whole), 0);
    const QStringList d = differences(lateTree, snapshot(&whole, true));
    QVERIFY2(d.isEmpty(), qPrintable(d.join(u'\n')));
    QCOMPARE(tabOrder(&whole), tabs);
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
