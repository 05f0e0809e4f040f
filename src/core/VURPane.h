#pragma once

#include "VURForm.h"

#include <QWidget>

// A borderless form that lives inside another window (bars, preference pages).
class TVURPaneForm : public QWidget, public TVURFormForm
{
    Q_OBJECT

public:
    explicit TVURPaneForm(QWidget *parent = nullptr);
};

// A pane hosted on a page of another window, which takes its title.
class TVURDetailPane : public TVURPaneForm
{
    Q_OBJECT

public:
    using TVURPaneForm::TVURPaneForm;
    virtual QString GetPaneTitle() const;
};

// A preferences page: ApplyPrefs copies its controls into the settings.
class TVURPrefsDetailPane : public TVURDetailPane
{
    Q_OBJECT

public:
    using TVURDetailPane::TVURDetailPane;
    virtual void ApplyPrefs();
};
