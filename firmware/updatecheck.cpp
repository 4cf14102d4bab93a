// The online update check and the firmware download. Not built yet: the buttons that
// lead here do nothing.

#include "mainwindow.h"

void MainWindow::onAutoUpgrade() { }

void MainWindow::onUpgradeReady() { }

void MainWindow::onNetUpgrade() { }

void MainWindow::onNetProgress(qint64, qint64) { }

void MainWindow::onNetUpgradeReady() { }
