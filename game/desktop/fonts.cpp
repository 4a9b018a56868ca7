#include "game/desktop/fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <cmath>

namespace platform {
namespace {

QString& Family() {
    static QString family = QStringLiteral("DejaVu Sans");
    return family;
}

}  // namespace

bool LoadGameFont(const QString& fontFile) {
    int id = QFontDatabase::addApplicationFont(fontFile);
    if (id < 0) return false;
    QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (!families.isEmpty()) Family() = families.first();
    return true;
}

int PixelSizeOfPoints(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont GameFont(double points) {
    QFont font(Family());
    font.setBold(true);
    font.setPixelSize(PixelSizeOfPoints(points));
    return font;
}

}  // namespace platform
