// kest-bench-window: the bare reference for start-up time and memory, a frameless
// 900 x 500 Qt window with nothing in it, started as the program starts its own.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(900, 500);
    window.setWindowFlags(Qt::FramelessWindowHint);
    window.show();
    return app.exec();
}
