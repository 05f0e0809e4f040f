#pragma once

#include "VURAppGUI.h"

class QObject;
class QWidget;
class TVURChildFileForm;
class TVURHighlighter;

// The article-workbench layer: declares which document window and which
// highlighter to create, and the default extension and file filter. The
// most derived layer answers with its concrete classes.
class TZOKApp : public TVURAppGUI
{
public:
    using TVURAppGUI::TVURAppGUI;

    virtual TVURChildFileForm *CreateChildEditForm(QWidget *owner) = 0;
    virtual QString GetDefaultExt() const = 0;
    // A filter in the "Description (masks)|masks|..." form.
    virtual QString GetFilter() const = 0;
    virtual TVURHighlighter *CreateHighlighter(QObject *owner) = 0;
};

// The current application object as the workbench layer; null when there is
// none or it is not one.
TZOKApp *GetZOKApp();
