// Icons: the program's own icons, drawn as SVG files compiled into the
// program (resources/icons/*.svg, one per tool-bar button key, plus the
// program's icon). They are rendered here at the sizes a tool bar, a
// menu and a window caption ask for, so no image plug-in is needed.
#pragma once

#include <QIcon>
#include <QString>

namespace lintavo {

// The file name of a button's icon: its key in lower case, blanks as
// hyphens ("Align Left" -> "align-left").
QString IconName(const QString& key);
// The icon of that name (":/icons/<name>.svg"); a null icon when the
// program has no such file.
QIcon SvgIcon(const QString& name);
QIcon ProgramIcon();  // the program's own icon, for its windows

}  // namespace lintavo
