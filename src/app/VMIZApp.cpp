#include "VMIZApp.h"

#include "VMIZMainForm.h"
#include "VMIZFiles.h"
#include "VMIZHighlighter.h"
#include "VMIZChildEdit.h"
#include "VURImages.h"
#include "VURToolbarImages.h"

#include <QApplication>

TVMIZApp::TVMIZApp(int &argc, char **argv)
    : TZOKApp(argc, argv)
{
}

TVMIZApp::~TVMIZApp()
{
    m_mainForm.reset();
    // The shared highlighter goes with the program, before the window system.
    ReleaseSharedHighlighter();
}

QString TVMIZApp::GetInfo(int kind) const
{
    switch (kind) {
    case 0:
        return QStringLiteral("VUR Mizar Kit");
    case 1:
        return QStringLiteral("Quill::MIZ");
    case 2:
        return QStringLiteral("0.34.a");
    case 3:
        return QStringLiteral("2010-05-16");
    case 4:
        return QStringLiteral("0.34");
    case 5:
        return QStringLiteral("VUR Software");
    case 6:
        return QStringLiteral("Copyright \u00A9 2010-2026 VUR Software");
    case 7:
        return QStringLiteral("Mizar Version: 7.11.02");
    case 8:
        return QStringLiteral("www.vur-software.eu");
    case 11:
        return QStringLiteral("quill-miz@vur-software.eu");
    default:
        return QString();
    }
}

void TVMIZApp::CreateForms()
{
    TZOKApp::CreateForms();
    m_images = std::make_unique<TVURImages_DataModule>();
    // Every window, the document windows included, shows the program's picture.
    QApplication::setWindowIcon(VURToolbarImages::DrawnIcon(QStringLiteral("Application")));
    // The first window created is the main window: the status routines
    // reach it already while it sets its texts.
    auto mainForm = std::make_unique<TVMIZMainForm>();
    SetMainWindow(mainForm.get());
    mainForm->FormCreate();
    mainForm->show();
    m_mainForm = std::move(mainForm);
}

std::optional<QStringList> TVMIZApp::GetRegisteredExtensions() const
{
    return QStringList{QStringLiteral(".abs"), QStringLiteral(".bib"), QStringLiteral(".miz"),
                       QStringLiteral(".voc")};
}

TVURChildFileForm *TVMIZApp::CreateChildEditForm(QWidget *owner)
{
    // Complete (created through all its layers) on return.
    return NewForm<TVMIZChildEditForm>(owner);
}

QString TVMIZApp::GetDefaultExt() const
{
    return QStringLiteral(".miz");
}

QString TVMIZApp::GetFilter() const
{
    return VMIZFiles::GetMizarFilter();
}

TVURHighlighter *TVMIZApp::CreateHighlighter(QObject *owner)
{
    return new TVMIZHighlighter(owner);
}
