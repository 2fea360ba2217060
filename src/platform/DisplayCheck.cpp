#include "DisplayCheck.h"

#include <QList>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace kelvora {

namespace {
struct HeldMessage {
    QtMsgType type;
    const char *category; // Qt's categories are names with static storage
    QString text;
};

const char *checkedProgram = nullptr;
QtMessageHandler earlierHandler = nullptr;
QList<HeldMessage> held;

bool fromWindowSystem(const QMessageLogContext &context)
{
    return context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0;
}

QString whyNoWindow(const QString &fatal)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return QStringLiteral("no display: neither DISPLAY nor WAYLAND_DISPLAY is set");
    for (const HeldMessage &message : std::as_const(held)) {
        if (message.type != QtDebugMsg && message.type != QtInfoMsg)
            return message.text.simplified();
    }
    return fatal.section(u'\n', 0, 0).simplified();
}

void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s: cannot open a window: %s\n", checkedProgram, qPrintable(whyNoWindow(text)));
        std::fflush(nullptr);
        std::_Exit(2);
    }
    if (fromWindowSystem(context)) {
        held.append({type, context.category, text});
        return;
    }
    earlierHandler(type, context, text);
}
} // namespace

DisplayCheck::DisplayCheck(const char *program)
{
    checkedProgram = program;
    earlierHandler = qInstallMessageHandler(onMessage);
}

DisplayCheck::~DisplayCheck()
{
    passed();
}

void DisplayCheck::passed()
{
    if (!checkedProgram)
        return;
    qInstallMessageHandler(earlierHandler);
    checkedProgram = nullptr;
    for (const HeldMessage &message : std::exchange(held, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        earlierHandler(message.type, context, message.text);
    }
}

} // namespace kelvora
