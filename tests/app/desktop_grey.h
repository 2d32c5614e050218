// The desktop's greys: neutral pixels from dark grey to near white (#808080, #a0a0a4, #c0c0c0,
// #d4d0c8, #f0f0f0 and the like). The game's palette has no neutral colour in that range.
#pragma once

#include <QRgb>
#include <cstdlib>

inline bool desktopGrey(QRgb p) {
    const int r = qRed(p);
    const int g = qGreen(p);
    const int b = qBlue(p);
    if (p == qRgb(0xd4, 0xd0, 0xc8) || p == qRgb(0xa0, 0xa0, 0xa4))
        return true;
    return std::abs(r - g) <= 2 && std::abs(g - b) <= 2 && r >= 0x70 && r <= 0xf8;
}
