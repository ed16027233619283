#pragma once

// The 16 x 16 pictures of the toolbar, drawn here as pixel maps and shapes; nothing is loaded.

#include "board/view_types.h"

#include <QIcon>
#include <QImage>

enum class ToolPicture { NewGame, OpenGame, SaveGame, Back, Stop, Forward, ReverseBoard };

// The picture, with its greyed twin as the disabled state unless the picture has none.
QIcon ToolbarIcon(ToolPicture picture);
QImage ToolbarImage(ToolPicture picture);
// A picture in the greyed, embossed look of a disabled button.
QImage GreyedImage(const QImage& picture);
// A paint bucket above a 16 x 4 strip of the colour.
QImage PaintBucketImage(TColor color);
