#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>

// The pictures of the toolbar buttons, by the name of the command a button
// carries ("FileNew" for FileNewToolButton). The desktop's icon theme gives
// the picture where it has one; otherwise it is drawn here, as vectors, so
// it is sharp at every size and screen scale.
namespace VURToolbarImages {

QIcon ToolbarIcon(const QString &command);
// The drawn picture alone, whatever the theme has.
QIcon DrawnIcon(const QString &command);
// The program's own picture is drawn under "Application".
// The commands that have a drawn picture.
QStringList DrawnCommands();

} // namespace VURToolbarImages
