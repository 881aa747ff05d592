#include "app/fontpreload.h"
#include "app/form.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    FontPreload fonts;
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ELECTRODE_APP_ID));
    fonts.wait();
    Форма1 form;
    form.Load();
    form.show();
    return app.exec();
}
