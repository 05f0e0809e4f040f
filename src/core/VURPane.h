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
    // The help topic of the page that shows the pane; empty for none.
    QString HelpKeyword() const { return m_helpKeyword; }
    void SetHelpKeyword(const QString &keyword) { m_helpKeyword = keyword; }

private:
    QString m_helpKeyword;
};

// A preferences page: ApplyPrefs copies its controls into the settings.
class TVURPrefsDetailPane : public TVURDetailPane
{
    Q_OBJECT

public:
    using TVURDetailPane::TVURDetailPane;
    virtual void ApplyPrefs();
};
