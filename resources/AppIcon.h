#pragma once
// The program's icon: a few histogram bars under a normal curve, drawn here so
// it is sharp at every size the desktop asks for.

#include <QIcon>
#include <QPixmap>

// The icon at one size (pixels, square).
QPixmap DorvaneIconPixmap(int size);
// The icon at the usual sizes, for the windows and the About box.
QIcon DorvaneIcon();
