#include "resource_paths.h"

namespace quintrick {

QString ImagePath(int id) {
    return QStringLiteral(":/bmp/%1.png").arg(id);
}
QString CursorPath(int id) {
    return QStringLiteral(":/cur/%1.png").arg(id);
}
QString SoundPath(int id) {
    return QStringLiteral(":/wave/%1.wav").arg(id);
}

}  // namespace quintrick
