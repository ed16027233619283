#pragma once

// The two piece sets that the main window offers besides the built-in ones, for the options dialog:
// "SetZgw32" (the picture SetChr32: 192 x 128, 4 bits, black and white line drawings) and "SetCm36"
// (the picture ImageCm36: 216 x 144, 8 bits, shaded turned-wood pieces). Both are BMP files in
// app/resources, made by tools/make_piece_sets.cpp and compiled in as Qt resources.

#include <QImage>

QImage LoadSetZgw32();
QImage LoadSetCm36();
