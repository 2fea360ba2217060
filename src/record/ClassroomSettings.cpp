#include "ClassroomSettings.h"

#include "RecordOptions.h"

#include <QSettings>

namespace kelvora {

namespace {
const QString Organisation = QStringLiteral("kelvora");
const QString Application = QStringLiteral("trainer");

// The user's file first, then the system-wide one; a value remembers which file gave it.
class SettingsFiles {
public:
    SettingsFiles()
    {
        // Qt reads the system-wide file from its own path; the XDG variable moves it, as it moves every other.
        const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
        if (!dirs.isEmpty())
            QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, dirs.section(QLatin1Char(':'), 0, 0));
        m_user.emplace(QSettings::NativeFormat, QSettings::UserScope, Organisation, Application);
        m_system.emplace(QSettings::NativeFormat, QSettings::SystemScope, Organisation, Application);
        m_user->setFallbacksEnabled(false);
        m_system->setFallbacksEnabled(false);
    }

    QString file(const QString &key) const { return (m_user->contains(key) ? *m_user : *m_system).fileName(); }
    QString text(const QString &key) const
    {
        const QVariant value = (m_user->contains(key) ? *m_user : *m_system).value(key);
        // An unquoted comma makes a list of the value; it is text here all the same.
        return (value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(','))
                                                         : value.toString()).trimmed();
    }
    QString userFile() const { return m_user->fileName(); }
    QString systemFile() const { return m_system->fileName(); }

private:
    std::optional<QSettings> m_user;
    std::optional<QSettings> m_system;
};
} // namespace

QStringList ClassroomSettings::files()
{
    const SettingsFiles files;
    return {files.userFile(), files.systemFile()};
}

ClassroomSettings ClassroomSettings::read()
{
    const SettingsFiles files;
    ClassroomSettings settings;
    const auto bad = [&](const QString &key, const QString &why) {
        if (settings.problem.isEmpty())
            settings.problem = QStringLiteral("%1: %2: %3").arg(files.file(key), key, why);
    };

    const auto flag = [&](const QString &key) {
        const QString value = files.text(key).toLower();
        const bool on = value == QLatin1String("true") || value == QLatin1String("1");
        if (!value.isEmpty() && !on && value != QLatin1String("false") && value != QLatin1String("0"))
            bad(key, QStringLiteral("'%1' is neither true nor false").arg(value));
        return on;
    };
    settings.records = flag(QStringLiteral("records/enabled"));
    settings.access.keyboard = flag(QStringLiteral("access/keyboard"));
    settings.access.steadyMarks = flag(QStringLiteral("access/steadyMarks"));
    settings.access.captions = flag(QStringLiteral("access/captions"));
    settings.access.narrate = flag(QStringLiteral("access/narrate"));

    const QString mode = files.text(QStringLiteral("records/mode"));
    settings.mode = modeNamed(mode);
    if (!mode.isEmpty() && !settings.mode)
        bad(QStringLiteral("records/mode"), QStringLiteral("'%1' is neither guided nor check").arg(mode));

    settings.recordsFolder = files.text(QStringLiteral("records/folder"));
    settings.homePage = files.text(QStringLiteral("records/homePage"));
    if (!settings.homePage.isEmpty() && !QUrl(settings.homePage, QUrl::StrictMode).isValid())
        bad(QStringLiteral("records/homePage"), QStringLiteral("'%1' is not a URL").arg(settings.homePage));

    const QString passMark = files.text(QStringLiteral("records/passMark"));
    if (!passMark.isEmpty()) {
        const std::optional<double> mark = passMarkNamed(passMark);
        if (mark)
            settings.passMark = *mark;
        else
            bad(QStringLiteral("records/passMark"), QStringLiteral("'%1' is not a number from 0 to 1").arg(passMark));
    }

    const QString endpoint = files.text(QStringLiteral("store/endpoint"));
    if (!endpoint.isEmpty()) {
        QUrl url(endpoint, QUrl::StrictMode);
        if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
            bad(QStringLiteral("store/endpoint"), QStringLiteral("'%1' is not an http or https URL").arg(endpoint));
        else
            settings.store.endpoint = url;
    }
    settings.store.username = files.text(QStringLiteral("store/username"));
    settings.store.password = files.text(QStringLiteral("store/password"));
    return settings;
}

} // namespace kelvora
