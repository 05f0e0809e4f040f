#pragma once

#include "ZOKApp.h"

#include <memory>

class QWidget;
class TVURImages_DataModule;

// The Mizar layer: the product's identity and the concrete windows.
class TVMIZApp : public TZOKApp
{
public:
    TVMIZApp(int &argc, char **argv);
    ~TVMIZApp() override;

    QString GetInfo(int kind) const override;
    void CreateForms() override;
    std::optional<QStringList> GetRegisteredExtensions() const override;

    TVURChildFileForm *CreateChildEditForm(QWidget *owner) override;
    QString GetDefaultExt() const override;
    QString GetFilter() const override;
    TVURHighlighter *CreateHighlighter(QObject *owner) override;

private:
    // Declared in creation order, so the main window goes before the images.
    std::unique_ptr<TVURImages_DataModule> m_images;
    std::unique_ptr<QWidget> m_mainForm;
};
