// The window's four pictures, each drawn from scratch into a fresh image.
#pragma once

#include <QImage>

QImage drawSearchIcon();   // 256 x 256, transparent around a magnifying glass
QImage drawAboutIcon();    // 512 x 512, a dark disc with an italic "i" cut out
QImage drawExitIcon();     // 128 x 128, an open door with an arrow going in
QImage drawBackground();   // 640 x 480, opaque, ink-wash motifs around a white middle
