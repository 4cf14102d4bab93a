// kest-bench-form: the floor under the program's start-up and memory. The window's first
// frame and nothing else: the form's frame (header, sidebar) and its ABOUT page, with the
// program's look, built, decoded ahead and shown as the program does it; no unit, no
// session, no other page, and no library the first frame does not use. The program's own
// lines on ABOUT are left out, so this is a lower bound.

#include "darklook.h"
#include "firstframework.h"
#include "keyboardlook.h"
#include "pageforms.h"

#include "kestbackdrops.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char *argv[])
{
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
    QTimer::singleShot(200, [&form] {
        const std::vector<QString> pictures = kest::firstFramePictures();
        QLabel *const labels[] = {form.lbSplit, form.label_2};
        for (std::size_t i = 0; i < pictures.size(); ++i)
            if (KestBackdrops::keepDrawn(pictures[i], labels[i]->size()))
                labels[i]->setStyleSheet(labels[i]->styleSheet());
    });
    return app.exec();
}
