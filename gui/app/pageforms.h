#pragma once

// The window's form in six parts: the frame (header, sidebar and the page stack) and one
// form per page, each compiled by uic from gui/app/forms/. Built whole, they make the
// same widget tree as one form would; built page by page, the window's first frame needs
// only the frame and the page it shows.

#include <QString>

namespace kest {
/// The form's texts keep the one context "MainWindow" of the window they belong to, as
/// every page form's <class> says for lupdate (uic would name the context after the
/// generated class otherwise).
QString formText(const char *text, const char *disambiguation);
} // namespace kest

#include "ui_about.h"
#include "ui_calibration.h"
#include "ui_device.h"
#include "ui_frame.h"
#include "ui_inputs.h"
#include "ui_profiles.h"

#include <array>

QT_BEGIN_NAMESPACE

/// One pointer per widget of the form, named after its object name (`ui->cbClutch`); a
/// page's pointers are null until the page is built.
///
/// While a page is not built, an empty stand-in holds its place in the stack, so that
/// the stack's indexes are the pages' from the start. Once every page is built the tree
/// is as one form builds it: the same widgets, parents, order of children, properties
/// and Tab order. Create it value-initialised (`new Ui_MainWindow()`): uic's classes leave
/// their pointers uninitialised.
class Ui_MainWindow : public Ui_MainWindowFrame,
                      public Ui_MainWindowInputs,
                      public Ui_MainWindowCalibration,
                      public Ui_MainWindowProfiles,
                      public Ui_MainWindowDevice,
                      public Ui_MainWindowAbout
{
public:
    /// The pages in the order of the stack and of the sidebar.
    enum Page { Inputs, Calibration, Profiles, Device, About, PageCount };

    /// The whole form at once, as one form would build it.
    void setupUi(QMainWindow *window);
    /// The frame and page `first`; the other pages stand in empty until buildPage.
    void setupFrame(QMainWindow *window, Page first);
    /// Builds a page not built yet into its place in the stack; the page shown stays
    /// shown. Returns false when it was built already.
    bool buildPage(Page page);
    /// Builds every page not built yet.
    void buildAllPages();
    bool pageBuilt(Page page) const { return pages[page] != nullptr; }
    bool allPagesBuilt() const;

    QWidget *page1 = nullptr;
    QWidget *page2 = nullptr;
    QWidget *page3 = nullptr;
    QWidget *page4 = nullptr;
    QWidget *page5 = nullptr;

private:
    /// Creates the page's widget and its form, as the one form did: without a parent
    /// until the stack takes it.
    QWidget *createPage(Page page);
    /// The Tab order of the form over the widgets built so far.
    void setTabOrder();

    std::array<QWidget *, PageCount> pages {};
    std::array<QWidget *, PageCount> standIns {};
};

QT_END_NAMESPACE
