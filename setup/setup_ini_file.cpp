#include "setup/setup_ini_file.h"

#include <string>

#include <QDir>
#include <QFile>

namespace setup {

QString SetupIniPath(const QString& appFolder) {
    return QDir(appFolder).filePath(
        QString::fromLatin1(settings::kSetupIniName.data(), settings::kSetupIniName.size()));
}

std::optional<SetupValues> ReadSetupIni(const QString& path) {
    return settings::ReadSetupIni(QFile::encodeName(path).toStdString());
}

bool WriteSetupIni(const QString& path, const SetupValues& values, QString* error) {
    std::string why;
    if (settings::WriteSetupIni(QFile::encodeName(path).toStdString(), values, &why)) return true;
    if (error != nullptr) *error = QString::fromStdString(why);
    return false;
}

}  // namespace setup
