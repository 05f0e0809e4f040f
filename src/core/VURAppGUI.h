#pragma once

#include "VURApp.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

// The window system's application object. Exceptions that escape an event
// handler are shown in an error box and the event loop goes on.
class TVURApplication : public QApplication
{
    Q_OBJECT

public:
    TVURApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // How an exception caught in the event loop is reported; the default
    // shows the error box.
    static void ReportEventLoopException(const std::exception &exception);
    // Runs a command handler and reports what escapes it the same way. Qt's
    // own frames are not built for exceptions, so a handler called from a
    // signal must not let one pass through them.
    static void RunReportingErrors(const std::function<void()> &handler);
};

// The framework layer with a window system: runs the event loop, creates
// the forms and registers the file types.
class TVURAppGUI : public TVURApp
{
public:
    // Creates the window system's application object unless one exists.
    TVURAppGUI(int &argc, char **argv);
    ~TVURAppGUI() override;

    void HandleException(const std::exception &exception) override;
    void Run() override;
    void Initialize() override;

    virtual void CreateForms();
    virtual bool CheckVersion();
    // The extensions the program opens by default; no list by default.
    virtual std::optional<QStringList> GetRegisteredExtensions() const;

    void RegisterFileTypes();

    // The first window created; closing it ends Run.
    QWidget *MainWindow() const { return m_mainWindow; }
    void SetMainWindow(QWidget *window) { m_mainWindow = window; }

private:
    std::unique_ptr<QApplication> m_application;
    QPointer<QWidget> m_mainWindow;
};

// The message of any exception as the user should read it.
QString ExceptionMessage(const std::exception &exception);
