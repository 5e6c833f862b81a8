#include "resource_paths.h"

#include <algorithm>
#include <iterator>

#include "resource_ids.h"

namespace quintrick {
namespace {

bool IsVoice(int id) {
    return id != kWaveCard && id != kWaveChoice && id != kWaveUnify;
}

}  // namespace

QString ImagePath(int id, AssetLanguage language) {
    if (language == AssetLanguage::English &&
        std::ranges::find(kBmpEnglishIds, id) != std::end(kBmpEnglishIds)) {
        return QStringLiteral(":/bmp/en/%1.png").arg(id);
    }
    return QStringLiteral(":/bmp/%1.png").arg(id);
}
QString RawImagePath(int id, AssetLanguage language) {
    QString path = ImagePath(id, language);
    path.replace(QStringLiteral(":/bmp/"), QStringLiteral(":/raw/bmp/"));
    path.replace(QStringLiteral(".png"), QStringLiteral(".raw"));
    return path;
}
QString MapImagePath(int id, AssetLanguage language) {
    return language == AssetLanguage::English ? QStringLiteral(":/map/en/%1.png").arg(id)
                                              : QStringLiteral(":/map/%1.png").arg(id);
}
QString MapPiecesPath(AssetLanguage language) {
    return language == AssetLanguage::English ? QStringLiteral(":/map/en/pieces.txt")
                                              : QStringLiteral(":/map/pieces.txt");
}
QString CursorPath(int id) {
    return QStringLiteral(":/cur/%1.png").arg(id);
}
QString SoundPath(int id, AssetLanguage language) {
    if (language == AssetLanguage::English && IsVoice(id)) {
        return QStringLiteral(":/wave/en/%1.wav").arg(id);
    }
    return QStringLiteral(":/wave/%1.wav").arg(id);
}

}  // namespace quintrick
