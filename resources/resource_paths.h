// Paths of the images, cursors and sounds in the Qt resource file, by resource id.
#pragma once

#include <QString>

namespace quintrick {

QString ImagePath(int id);   // ":/bmp/<id>.png"
QString CursorPath(int id);  // ":/cur/<id>.png"
QString SoundPath(int id);   // ":/wave/<id>.wav"

}  // namespace quintrick
