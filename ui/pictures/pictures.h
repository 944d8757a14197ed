#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures, drawn as vector resources so that they stay sharp at any scale.
namespace Pictures {
QIcon programIcon();                     // a small periodic table of coloured squares
QIcon helpWindowIcon();                  // blue, pink and yellow blocks between two green arrows
QPixmap helpPanelPicture(int size = 32); // a yellow bulb with "!" on a cyan diamond
} // namespace Pictures
