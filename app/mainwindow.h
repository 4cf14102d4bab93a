#pragma once
#include <QMainWindow>
QT_BEGIN_NAMESPACE
class Ui_MainWindow;
QT_END_NAMESPACE
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;
private:
    Ui_MainWindow *ui;
};
