// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/displayguard.h"

#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

struct Held {
    QtMsgType type;
    QString category;
    QString text;
};

// One guard at a time, for the toolkit's start; the handler has no other way to it.
QList<Held> *held = nullptr;
bool russian = false;

void guardMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        // Kept back: the toolkit's warnings on the way to its abort are no help.
        held->append({type, QString::fromUtf8(context.category), text});
        return;
    }
    const char *message = russian
                              ? "Не найден дисплей, на котором можно открыть окно программы.\n"
                              : "No display found to open the program's window on.\n";
    std::fputs(message, stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

DisplayGuard::DisplayGuard(const QLocale &locale)
{
    held = new QList<Held>;
    russian = locale.language() == QLocale::Russian;
    previous_ = qInstallMessageHandler(guardMessages);
}

DisplayGuard::~DisplayGuard()
{
    done();
}

void DisplayGuard::done()
{
    if (!active_)
        return;
    active_ = false;
    qInstallMessageHandler(previous_);
    const QList<Held> messages = *held;
    delete held;
    held = nullptr;
    for (const Held &m : messages) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        qt_message_output(m.type, context, m.text);
    }
}
