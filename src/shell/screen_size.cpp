#include "screen_size.h"

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

}  // namespace quintrick
