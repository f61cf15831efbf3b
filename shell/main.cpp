// Hoshikura: start-up. Title, main window and its creation step, every
// screen made once and hidden, then the main window and the message loop.
#include <QApplication>
#include <QFont>

#include "menu0frm.h"
#include "startup.h"
#include "uifont.h"
#include "workbench.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hoshikura"));
    QApplication::setApplicationDisplayName(QStringLiteral("Hoshikura"));
    hoshi::installFontSubstitutes();
    hoshi::loadJapaneseTranslations(); // without them Qt's own buttons stay English

    hoshi::Workbench workbench(hoshi::Startup::program());
    workbench.create();
    workbench.menu0frm->show();
    return app.exec();
}
