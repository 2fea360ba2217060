#include "ErrorReport.h"

#include "ProgramEnd.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

namespace kelvora {

namespace {
ErrorReportHandler &handler()
{
    static ErrorReportHandler instance;
    return instance;
}
} // namespace

void reportRuntimeError(const RuntimeError &error)
{
    if (handler()) {
        handler()(error);
        return;
    }
    const QString text = error.message();
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("KELVORA Training"), text);
    endProgram(1);
}

void setErrorReportHandler(ErrorReportHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace kelvora
