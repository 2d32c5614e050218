// Loading the built picture files and cutting them into cells, for the tests.
#pragma once

#include <QImage>
#include <string>

namespace assets_test {

// The path of a file below the game folder the builder writes to.
inline std::string gameFile(const std::string& relative) {
    return std::string(GRAVENHOLD_GAME_DIR) + "/" + relative;
}

// A picture file of the game folder; a null image when it cannot be read.
inline QImage loadPicture(const std::string& relative) {
    return QImage(QString::fromStdString(gameFile(relative)), "BMP")
        .convertToFormat(QImage::Format_RGB32);
}

// Cell n of a sheet of square cells laid out row by row.
inline QImage cellOf(const QImage& sheet, int n, int columns, int size) {
    return sheet.copy((n % columns) * size, (n / columns) * size, size, size);
}

// True when every pixel of the picture has the same colour.
inline bool isUniform(const QImage& picture) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != picture.pixel(0, 0)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace assets_test
