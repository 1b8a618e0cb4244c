#pragma once
// The program's own pictures, drawn in code: a pin flag on a putting green.

#include <QIcon>
#include <QPixmap>

// The window icon: the flag on the green, drawn at the size each use asks for.
QIcon teebrookIcon();
// The flag on the green as a square picture of `size` device-independent pixels.
QPixmap flagPixmap(int size);
// The decorative picture of the main window: a hole seen from the fairway.
QPixmap fairwayPicture(int width, int height);
