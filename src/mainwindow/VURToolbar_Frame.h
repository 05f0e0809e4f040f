#pragma once

#include "VURPane.h"

class QFrame;

// The base of the main window's bars: a lowered panel filling the pane with
// an inner panel that holds the bar's controls.
class TVURToolbar_Frame : public TVURPaneForm
{
    Q_OBJECT

public:
    explicit TVURToolbar_Frame(QWidget *parent = nullptr);

    QFrame *Main_Panel() const { return m_mainPanel; }
    QWidget *Inner_Panel() const { return m_innerPanel; }

private:
    QFrame *m_mainPanel;
    QWidget *m_innerPanel;
};
