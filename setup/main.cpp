// The settings tool: one window that writes setup.ini beside the game.
#include <QApplication>

#include "setup/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    setup::Form1 form(QCoreApplication::applicationDirPath());
    form.show();
    // Closing the window, by the button or otherwise, ends the program.
    return app.exec();
}
