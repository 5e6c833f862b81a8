// Paths of the images, cursors and sounds in the Qt resource file, by resource id.
#pragma once

#include <QString>

namespace quintrick {

// The language of what the artwork writes and the voices say. The images without words, the
// clicks and the fanfare serve both.
enum class AssetLanguage { Japanese, English };

// ":/bmp/<id>.png", or ":/bmp/en/<id>.png" for an image with words in English.
QString ImagePath(int id, AssetLanguage language = AssetLanguage::Japanese);
// The same image as raw pixels (":/raw/bmp/<id>.raw", ":/raw/bmp/en/<id>.raw"); only the images
// of the first painted table have one.
QString RawImagePath(int id, AssetLanguage language = AssetLanguage::Japanese);
// The conquest map's pictures (163, 164, 192): ":/map/<id>.png", or ":/map/en/<id>.png" with
// English words.
QString MapImagePath(int id, AssetLanguage language = AssetLanguage::Japanese);
// The fill seeds of the further pieces of provinces on the maps of that language (their labels
// cut the provinces differently).
QString MapPiecesPath(AssetLanguage language = AssetLanguage::Japanese);
QString CursorPath(int id);  // ":/cur/<id>.png"
// ":/wave/<id>.wav", or ":/wave/en/<id>.wav" for an English voice.
QString SoundPath(int id, AssetLanguage language = AssetLanguage::Japanese);

}  // namespace quintrick
