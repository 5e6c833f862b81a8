#include "screen_size.h"

#include <algorithm>

namespace quintrick {

int GamenForDesktopHeight(int height) {
    if (height >= 1200) return 1600;
    if (height >= 1050) return 1400;
    if (height >= 900) return 1200;
    if (height >= 768) return 1024;
    if (height >= 600) return 800;
    return 640;
}

GamenChoice ChooseGamen(int stored, QSize desktop) {
    const bool known = desktop.width() > 0 && desktop.height() > 0;
    const bool fits = stored > 0 && FrameHeight(stored) > 0 &&
                      (known ? stored <= desktop.width() && FrameHeight(stored) <= desktop.height()
                             : stored <= 1600);
    if (stored != kGamenNotSet && fits) return {stored, false};
    return {GamenForDesktopHeight(known ? desktop.height() : 0), true};
}

QRect TableArea(QSize client) {
    const int units = std::max(0, std::min(client.width() / 4, client.height() / 3));
    const QSize size(4 * units, 3 * units);
    return QRect(QPoint((client.width() - size.width()) / 2, (client.height() - size.height()) / 2),
                 size);
}

QSize UsableStoredSize(QSize stored, QSize desktop) {
    if (stored.width() < kMinClient.width() || stored.height() < kMinClient.height()) return {};
    const bool known = desktop.width() > 0 && desktop.height() > 0;
    if (known && (stored.width() > desktop.width() || stored.height() > desktop.height()))
        return {};
    return stored;
}

}  // namespace quintrick
