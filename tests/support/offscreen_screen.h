// One screen of Qt's offscreen platform of a chosen size and pixel ratio,
// for programs that must be on such a screen before their QApplication
// starts (the high-density tests, the screens the fill is tested on, the
// presenting benchmark).
#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

namespace testing_support {

// Writes the screen's description into `folder`, which must outlive the
// application, and points the offscreen platform at it (leaving a platform
// the caller's environment chose when `keepChosen`).  False when the
// description could not be written.
inline bool UseOffscreenScreen(const QTemporaryDir& folder, int width, int height,
                               double pixelRatio, bool keepChosen = false) {
    const QString config = folder.path() + "/screen.json";
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": %1,
        "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %3}]})")
                   .arg(width)
                   .arg(height)
                   .arg(pixelRatio)
                   .toUtf8());
    file.close();
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit().constData(),
           keepChosen ? 0 : 1);
    return true;
}

}  // namespace testing_support
