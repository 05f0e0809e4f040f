#pragma once

#include "VURToolbarScript.h"

// The article workbench's toolbar: the editing toolbar with the verifier
// and detectors buttons before the issue buttons, and the comment buttons
// before the search buttons.
class TZOKToolbarPane : public TVURToolbarScriptPane
{
    Q_OBJECT

public:
    explicit TZOKToolbarPane(QWidget *parent = nullptr);
};
