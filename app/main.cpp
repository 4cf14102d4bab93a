#include "darklook.h"
#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kest::applyDarkLook();
    MainWindow window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.show();
    return app.exec();
}
