#include "TrainerLauncher.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kelvora {

QString trainerProgram()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/kelvora-trainer");
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QStandardPaths::findExecutable(QStringLiteral("kelvora-trainer"));
}

QString playInTrainer(const QString &courseFile, int screen, const QString &languageTag)
{
    const QString trainer = trainerProgram();
    if (trainer.isEmpty())
        return QCoreApplication::translate("kelvora::TrainerLauncher", "kelvora-trainer was found neither beside the editor (%1) nor on PATH")
            .arg(QCoreApplication::applicationDirPath());
    QStringList arguments{QStringLiteral("--course"), courseFile, QStringLiteral("--screen"), QString::number(screen)};
    if (!languageTag.isEmpty())
        arguments << QStringLiteral("--language") << languageTag;
    if (!QProcess::startDetached(trainer, arguments))
        return QCoreApplication::translate("kelvora::TrainerLauncher", "%1 did not start").arg(trainer);
    return {};
}

} // namespace kelvora
