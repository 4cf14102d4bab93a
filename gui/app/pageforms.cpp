#include "pageforms.h"

#include <QCoreApplication>

QString kest::formText(const char *text, const char *disambiguation)
{
    return QCoreApplication::translate("MainWindow", text, disambiguation);
}

void Ui_MainWindow::setupUi(QMainWindow *window)
{
    Ui_MainWindowFrame::setupUi(window);
    for (int p = 0; p < PageCount; ++p)
        stackedWidget->addWidget(createPage(Page(p)));
    setTabOrder();
}

void Ui_MainWindow::setupFrame(QMainWindow *window, Page first)
{
    Ui_MainWindowFrame::setupUi(window);
    for (int p = 0; p < PageCount; ++p) {
        if (p == first) {
            stackedWidget->addWidget(createPage(first));
        } else {
            standIns[std::size_t(p)] = new QWidget;
            stackedWidget->addWidget(standIns[std::size_t(p)]);
        }
    }
    setTabOrder();
}

bool Ui_MainWindow::buildPage(Page page)
{
    if (pageBuilt(page))
        return false;
    QWidget *const standIn = standIns[page];
    const bool shown = stackedWidget->currentIndex() == page;
    stackedWidget->insertWidget(page, createPage(page));
    if (shown)
        stackedWidget->setCurrentIndex(page);
    stackedWidget->removeWidget(standIn);
    delete standIn;
    standIns[page] = nullptr;
    setTabOrder();
    if (allPagesBuilt()) {
        // The stack's children in the order one form leaves them, the first page last and
        // the others in reverse as each was lowered under it; then the page shown last, as
        // showing it put it (the pages built late joined the children in another order).
        pages[0]->raise();
        for (int p = 1; p < PageCount; ++p)
            pages[p]->lower();
        stackedWidget->currentWidget()->raise();
    }
    return true;
}

void Ui_MainWindow::buildAllPages()
{
    for (int p = 0; p < PageCount; ++p)
        buildPage(Page(p));
}

bool Ui_MainWindow::allPagesBuilt() const
{
    for (QWidget *w : pages)
        if (!w)
            return false;
    return true;
}

QWidget *Ui_MainWindow::createPage(Page page)
{
    QWidget *w = new QWidget;
    switch (page) {
    case Inputs:
        Ui_MainWindowInputs::setupUi(w);
        page1 = w;
        break;
    case Calibration:
        Ui_MainWindowCalibration::setupUi(w);
        page2 = w;
        break;
    case Profiles:
        Ui_MainWindowProfiles::setupUi(w);
        page3 = w;
        break;
    case Device:
        Ui_MainWindowDevice::setupUi(w);
        page4 = w;
        break;
    case About:
    case PageCount:
        Ui_MainWindowAbout::setupUi(w);
        page5 = w;
        break;
    }
    pages[page] = w;
    return w;
}

void Ui_MainWindow::setTabOrder()
{
    QWidget *const order[] = {
        pbS1,       pbS2,       pbS3,       pbS4,          pbS5,      cbClutch,     lbDzL0,
        lbDzR0,     lbDzL1,     lbDzR1,     lbDzL2,        lbDzR2,    pbSave0,      pbSave1,
        pbSave2,    ctAdc0,     ctAdc1,     ctAdc2,        cbPro0,    cbPro1,       cbPro2,
        pbSavePro0, pbSavePro1, pbSavePro2, pbDelPro0,     pbDelPro1, pbDelPro2,    pbImport,
        pbExport,   lePath,     pbPath,     pbAutoUpgrade, pbUpgrade, pbClearFlash, pbClose,
    };
    QWidget *previous = nullptr;
    for (QWidget *w : order) {
        if (!w)
            continue; // on a page not built yet
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}
