// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The electrode-calc developers

#include "app/displayguard.h"

#include "form/commandline.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

struct Held {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// One guard at a time, for the toolkit's start; the handler has no other way to it.
QList<Held> *held = nullptr;
QtMessageHandler previousHandler = nullptr;
bool russian = false;
bool noDisplay = false;

// Hands the messages kept back to the handler that was there before.
void release()
{
    qInstallMessageHandler(previousHandler);
    const QList<Held> messages = *held;
    delete held;
    held = nullptr;
    for (const Held &m : messages) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        qt_message_output(m.type, context, m.text);
    }
}

// Writes the messages kept back, and the last one, as the toolkit would have: from
// inside a message handler the toolkit writes only the bare text of any message.
void writeHeld(const QMessageLogContext &last, const QString &lastText)
{
    for (const Held &m : std::as_const(*held)) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        std::fprintf(stderr, "%s\n",
                     qFormatLogMessage(m.type, context, m.text).toLocal8Bit().constData());
    }
    std::fprintf(stderr, "%s\n",
                 qFormatLogMessage(QtFatalMsg, last, lastText).toLocal8Bit().constData());
}

void guardMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        // Kept back until the display is open or the start has failed.
        held->append({type, QByteArray(context.category), text});
        return;
    }
    QByteArray message;
    if (noDisplay) {
        message = russian ? "Не найден дисплей, на котором можно открыть окно программы.\n"
                          : "No display found to open the program's window on.\n";
    } else {
        // The toolkit's words first: they name what went wrong.
        writeHeld(context, text);
        message = QString::fromStdU16String(std::u16string(commandline::windowNotOpened(russian)))
                      .toUtf8();
    }
    std::fputs(message.constData(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// The toolkit takes its options with one dash or two.
bool isOption(const QString &argument, QLatin1String name)
{
    return argument == QLatin1Char('-') + name || argument == QLatin1String("--") + name;
}

QList<QByteArray> platformsAsked(const QStringList &arguments, const QByteArray &variable)
{
    QByteArray asked = variable;
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (isOption(arguments[i], QLatin1String("platform")))
            asked = arguments[i + 1].toLocal8Bit();
    }
    QList<QByteArray> names;
    // "wayland;xcb", each name with its options after a colon.
    for (const QByteArray &entry : asked.split(';')) {
        const QByteArray name = entry.split(':').first().trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

} // namespace

bool DisplayGuard::noDisplayNamed(const QStringList &arguments, const QByteArray &platformVariable,
                                  const QByteArray &x11Display, const QByteArray &waylandDisplay)
{
    if (!x11Display.isEmpty() || !waylandDisplay.isEmpty() ||
        std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
            return isOption(argument, QLatin1String("display"));
        }))
        return false;
    for (const QByteArray &name : platformsAsked(arguments, platformVariable)) {
        if (name != "xcb" && !name.startsWith("wayland"))
            return false;
    }
    return true;
}

DisplayGuard::DisplayGuard(const QLocale &locale, const QStringList &arguments)
{
    held = new QList<Held>;
    russian = locale.language() == QLocale::Russian;
    noDisplay = noDisplayNamed(arguments, qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                               qgetenv("WAYLAND_DISPLAY"));
    previousHandler = qInstallMessageHandler(guardMessages);
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
    release();
}
