// kest-bench-form: the floor under the program's start-up and memory. The window's first
// frame and nothing else: the form's frame (header, sidebar) and its ABOUT page, with the
// program's look, built, decoded ahead and shown as the program does it; no unit, no
// session, no other page, and no library the first frame does not use. The program's own
// lines on ABOUT are left out, so this is a lower bound.

#include "darklook.h"
#include "firstframework.h"
#include "keyboardlook.h"
#include "pageforms.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <clocale>

int main(int argc, char *argv[])
{
    std::setlocale(LC_ALL, ""); // as the program does, before the thread starts
    FirstFrameWork ahead(kest::firstFramePictures());
    QApplication app(argc, argv);
    ahead.finish();
    kest::applyDarkLook();
    QMainWindow window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    Ui_MainWindow form {}; // value-initialised: uic leaves its pointers unset
    form.setupFrame(&window, Ui_MainWindow::About);
    kest::addKeyboardLook(&window);
    form.centralwidget->setFocus();
    form.stackedWidget->setCurrentIndex(Ui_MainWindow::About);
    window.show();
    // As the program does once its first frame is drawn: the header band and the about
    // picture kept at their labels' size.
    QTimer::singleShot(200,
                       [&form] { kest::keepFirstFramePicturesDrawn(form.lbSplit, form.label_2); });
    return app.exec();
}
