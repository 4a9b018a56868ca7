#include "sound/warning_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

#include <cstdio>

namespace tembra {

void ShowWarningBox(const std::string& title, const std::string& text) {
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!application || QThread::currentThread() != application->thread()) {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return;
    }
    QMessageBox::warning(QApplication::activeWindow(), QString::fromStdString(title),
                         QString::fromStdString(text), QMessageBox::Ok);
}

}  // namespace tembra
