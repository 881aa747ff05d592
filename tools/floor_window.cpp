// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

// The toolkit's floor for start-up measurements: the smallest Qt Widgets window of the
// calculator's size, with one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Орвела"));
    label.setFixedSize(447, 408);
    label.show();
    return app.exec();
}
