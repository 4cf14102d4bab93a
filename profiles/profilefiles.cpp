// Export and import of the profile table as INI files.

#include "mainwindow.h"

void MainWindow::onProfileExport() { }

void MainWindow::onProfileImport() { }
