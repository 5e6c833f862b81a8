// Paths of the images, cursors and sounds in the Qt resource file, by resource id.
#pragma once

#include <QString>

namespace quintrick {

// The language of what the artwork writes and the voices say. Only the spoken callouts differ
// between the sets so far; the clicks and the fanfare serve both.
enum class AssetLanguage { Japanese, English };

QString ImagePath(int id);   // ":/bmp/<id>.png"
QString CursorPath(int id);  // ":/cur/<id>.png"
// ":/wave/<id>.wav", or ":/wave/en/<id>.wav" for an English voice.
QString SoundPath(int id, AssetLanguage language = AssetLanguage::Japanese);

}  // namespace quintrick
