// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/displayguard.h"
#include "app/fontpreload.h"
#include "app/options.h"
#include "app/platform/console.h"
#include "app/toolkittexts.h"
#include "app/window/formwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto text = options::answer(arguments, QLocale::system())) {
        console::print(*text);
        return 0;
    }

    FontPreload fonts;
    DisplayGuard display(QLocale::system(), arguments);
    QApplication app(argc, argv);
    display.done();
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ELECTRODE_APP_ID));
    QTranslator toolkitTexts;
    toolkittexts::install(toolkitTexts, QLocale::system());
    fonts.wait();
    FormWindow form;
    form.Load();
    form.show();
    return app.exec();
}
