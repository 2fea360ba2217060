#include "ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace kelvora {

void showRuntimeError(const RuntimeError &error)
{
    const QString text = error.message();
    std::fprintf(stderr, "%s\n", qPrintable(text));
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QStringLiteral("KELVORA Training"), text);
}

} // namespace kelvora
