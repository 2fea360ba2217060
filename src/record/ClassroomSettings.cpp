#include "ClassroomSettings.h"

#include "RecordOptions.h"
#include "content/RegularFile.h"
#include "platform/GroupPrivilege.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvora {

namespace {
constexpr qint64 MaxSettingsBytes = 1024 * 1024;
constexpr qint64 MaxSecretBytes = 4096;
// A value shown in a message is cut to this many characters.
constexpr qsizetype MaxShownValue = 200;

QString shown(const QString &value)
{
    return value.size() <= MaxShownValue ? value : value.left(MaxShownValue) + QStringLiteral("...");
}

// An address as it may be shown: never the password it may hold.
QString withoutPassword(const QString &address)
{
    static const QRegularExpression userInfo(QStringLiteral("^([^/]*//[^/@]*?):[^/@]*@"));
    return shown(QString(address).replace(userInfo, QStringLiteral("\\1:***@")));
}

// One settings file: its text checked line by line, then read by QSettings. The
// raw text of each key is kept, to see what QSettings' own syntax would change.
struct SettingsFile {
    QString path;
    std::unique_ptr<QSettings> settings;
    QHash<QString, QString> raw; // "group/key" -> the text after '='

    bool contains(const QString &key) const { return settings && settings->contains(key); }
};

QString checkedText(SettingsFile &file, const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return QStringLiteral("%1: is not a settings file (it holds NUL bytes)").arg(file.path);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return QStringLiteral("%1: is not a settings file (it is not UTF-8 text)").arg(file.path);
    QString group;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = lines[i].indexOf(QLatin1Char('='));
        if (equals <= 0 || lines[i].left(equals).trimmed().isEmpty())
            return QStringLiteral("%1: line %2 is neither [section] nor key=value: '%3'")
                .arg(file.path).arg(i + 1).arg(shown(line));
        QString value = lines[i].mid(equals + 1);
        if (value.endsWith(QLatin1Char('\r')))
            value.chop(1);
        file.raw.insert(group + QLatin1Char('/') + lines[i].left(equals).trimmed(), value);
    }
    return {};
}

// Every file there is, the system-wide ones first; problem names the first that cannot be read.
class SettingsFiles {
public:
    SettingsFiles()
    {
        QStringList paths = ClassroomSettings::files();
        paths.move(0, paths.size() - 1);
        for (const QString &path : std::as_const(paths)) {
            SettingsFile file{path, nullptr, {}};
            if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
                continue;
            QString error;
            const std::optional<QByteArray> bytes = readRegularFile(path, MaxSettingsBytes, &error);
            if (!bytes) {
                note(QStringLiteral("%1: %2").arg(path, error));
                continue;
            }
            if (const QString bad = checkedText(file, *bytes); !bad.isEmpty()) {
                note(bad);
                continue;
            }
            file.settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
            file.settings->setFallbacksEnabled(false);
            if (file.settings->status() != QSettings::NoError)
                note(QStringLiteral("%1: is not a settings file QSettings can read").arg(path));
            m_files.push_back(std::move(file));
        }
    }

    const QString &problem() const { return m_problem; }

    // The first file that sets the key: for the records and the store, a system-wide
    // file before the user's, so that a trainee cannot undo them; else the user's first.
    const SettingsFile *fileWith(const QString &key) const
    {
        const bool administrators = key.startsWith(QLatin1String("records/")) || key.startsWith(QLatin1String("store/"));
        const auto found = [&](const SettingsFile &file) { return file.contains(key); };
        if (administrators) {
            const auto it = std::find_if(m_files.begin(), m_files.end(), found);
            return it == m_files.end() ? nullptr : &*it;
        }
        const auto it = std::find_if(m_files.rbegin(), m_files.rend(), found);
        return it == m_files.rend() ? nullptr : &*it;
    }

private:
    void note(const QString &problem)
    {
        if (m_problem.isEmpty())
            m_problem = problem;
    }

    std::vector<SettingsFile> m_files;
    QString m_problem;
};

QString textOf(const SettingsFile *file, const QString &key)
{
    if (!file || !file->contains(key))
        return {};
    const QVariant value = file->settings->value(key);
    // An unquoted comma makes a list of the value; it is text here all the same.
    return (value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1Char(',')) : value.toString())
        .trimmed();
}

bool isLoopback(const QString &host)
{
    // 127.0.0.0/8 and ::1; the network module is not linked here, and these are all there is to it.
    static const QRegularExpression ipv4Loopback(QStringLiteral("^127\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}$"));
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || host == QLatin1String("::1") ||
           ipv4Loopback.match(host).hasMatch();
}

// The store's secret from a file of its own, which only root and the trainer's group may read.
QString secretFrom(const QString &path, QString *problem)
{
    if (QDir::isRelativePath(path)) {
        *problem = QStringLiteral("'%1' is not an absolute file name").arg(shown(path));
        return {};
    }
    QString error;
    const std::optional<QByteArray> bytes = readRegularFile(path, MaxSecretBytes, &error);
    if (!bytes) {
        *problem = QStringLiteral("%1 %2").arg(path, error);
        return {};
    }
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 && (status.st_mode & (S_IROTH | S_IWOTH))) {
        *problem = QStringLiteral("%1 can be read by every user; make it readable only by root and the trainer's "
                                  "group (chown root:kelvora, chmod 0640)").arg(path);
        return {};
    }
    QByteArray secret = *bytes;
    if (secret.endsWith('\n'))
        secret.chop(1);
    if (secret.endsWith('\r'))
        secret.chop(1);
    return QString::fromUtf8(secret);
}
} // namespace

QStringList ClassroomSettings::files()
{
    const QString name = QStringLiteral("/kelvora/trainer.conf");
    QStringList files{QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + name};
    QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/etc/xdg");
    for (const QString &dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        files << QDir::cleanPath(dir) + name;
    return files;
}

QString ClassroomSettings::filesHelp()
{
    const QStringList paths = files();
    return QStringLiteral("Settings are read from the system-wide\n  %1\nand the user's\n  %2\n"
                          "A [records] or [store] key set in a system-wide file is the administrator's: the user's file "
                          "cannot change it,\nonly fill in what the system-wide files leave unset. [access] keys are the "
                          "user's first.\n")
        .arg(paths.mid(1).join(QStringLiteral("\n  ")), paths.at(0));
}

ClassroomSettings ClassroomSettings::read()
{
    ClassroomSettings settings = readFiles();
    giveUpGroupPrivilege();
    return settings;
}

ClassroomSettings ClassroomSettings::readFiles()
{
    const SettingsFiles files;
    ClassroomSettings settings;
    settings.problem = files.problem();
    const auto bad = [&](const SettingsFile *file, const QString &key, const QString &why) {
        if (settings.problem.isEmpty())
            settings.problem = QStringLiteral("%1: %2: %3").arg(file ? file->path : QString(), key, why);
    };
    const auto text = [&](const QString &key) { return textOf(files.fileWith(key), key); };

    const auto flag = [&](const QString &key) {
        const QString value = text(key).toLower();
        const bool on = value == QLatin1String("true") || value == QLatin1String("1");
        if (!value.isEmpty() && !on && value != QLatin1String("false") && value != QLatin1String("0"))
            bad(files.fileWith(key), key, QStringLiteral("'%1' is neither true nor false").arg(shown(value)));
        return on;
    };
    settings.records = flag(QStringLiteral("records/enabled"));
    settings.access.keyboard = flag(QStringLiteral("access/keyboard"));
    settings.access.steadyMarks = flag(QStringLiteral("access/steadyMarks"));
    settings.access.narrate = flag(QStringLiteral("access/narrate"));
    settings.access.captions = flag(QStringLiteral("access/captions"));

    const QString modeKey = QStringLiteral("records/mode");
    const QString mode = text(modeKey);
    settings.mode = modeNamed(mode);
    if (!mode.isEmpty() && !settings.mode)
        bad(files.fileWith(modeKey), modeKey, QStringLiteral("'%1' is neither guided nor check").arg(shown(mode)));

    const QString folderKey = QStringLiteral("records/folder");
    const QString folder = text(folderKey);
    if (folder == QLatin1String("~") || folder.startsWith(QLatin1String("~/")))
        settings.recordsFolder = QDir::homePath() + folder.mid(1);
    else if (!folder.isEmpty() && QDir::isRelativePath(folder))
        bad(files.fileWith(folderKey), folderKey,
            QStringLiteral("'%1' is not an absolute folder (it would depend on where the trainer is started)")
                .arg(shown(folder)));
    else
        settings.recordsFolder = folder;

    const QString homeKey = QStringLiteral("records/homePage");
    settings.homePage = text(homeKey);
    if (!settings.homePage.isEmpty() && !QUrl(settings.homePage, QUrl::StrictMode).isValid())
        bad(files.fileWith(homeKey), homeKey, QStringLiteral("'%1' is not a URL").arg(shown(settings.homePage)));

    const QString passMarkKey = QStringLiteral("records/passMark");
    const QString passMark = text(passMarkKey);
    if (!passMark.isEmpty()) {
        const std::optional<double> mark = passMarkNamed(passMark);
        if (mark)
            settings.passMark = *mark;
        else
            bad(files.fileWith(passMarkKey), passMarkKey,
                QStringLiteral("'%1' is not a number from 0 to 1").arg(shown(passMark)));
    }

    // The store comes whole from one file: a user's file cannot send the administrator's records elsewhere.
    const QString endpointKey = QStringLiteral("store/endpoint");
    const SettingsFile *storeFile = files.fileWith(endpointKey);
    const QString endpoint = textOf(storeFile, endpointKey);
    if (endpoint.isEmpty())
        return settings;
    QUrl url(endpoint, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")) ||
        url.host().isEmpty()) {
        bad(storeFile, endpointKey,
            QStringLiteral("'%1' is not an http or https URL with a host").arg(withoutPassword(endpoint)));
        return settings;
    }
    const auto storeText = [&](const char *key) { return textOf(storeFile, QLatin1String(key)); };
    settings.store.username = storeText("store/username");
    if (settings.store.username.isEmpty())
        settings.store.username = url.userName();
    const QString passwordFileKey = QStringLiteral("store/passwordFile");
    const QString passwordKey = QStringLiteral("store/password");
    const QString keyringKey = QStringLiteral("store/keyring");
    const QString keyring = storeText("store/keyring").toLower();
    if (!keyring.isEmpty() && keyring != QLatin1String("true") && keyring != QLatin1String("false"))
        bad(storeFile, keyringKey, QStringLiteral("'%1' is neither true nor false").arg(shown(keyring)));
    settings.store.passwordInKeyring = keyring == QLatin1String("true");
    if (settings.store.passwordInKeyring) {
        if (storeFile->contains(passwordKey) || storeFile->contains(passwordFileKey) || !url.password().isEmpty())
            bad(storeFile, keyringKey,
                QStringLiteral("the password comes from the desktop's secret store, so the settings name none "
                               "(store/password, store/passwordFile or one in the endpoint)"));
    } else if (const QString passwordFile = storeText("store/passwordFile"); !passwordFile.isEmpty()) {
        QString problem;
        settings.store.password = secretFrom(passwordFile, &problem);
        if (!problem.isEmpty())
            bad(storeFile, passwordFileKey, problem);
    } else if (storeFile->contains(passwordKey)) {
        // QSettings' syntax takes these out of a value or splits it; inside double quotes they are kept.
        const QString raw = storeFile->raw.value(passwordKey);
        static const QRegularExpression changed(QStringLiteral("[;,\\\\\"]|^\\s|\\s$"));
        if (!raw.trimmed().startsWith(QLatin1Char('"')) && raw.contains(changed))
            bad(storeFile, passwordKey,
                QStringLiteral("a password with ; , \\ \" or spaces at either end must be written in double quotes, "
                               "with \\\" for a quote and \\\\ for a backslash inside them, or kept in the file that "
                               "store/passwordFile names"));
        settings.store.password = storeFile->settings->value(passwordKey).toString();
    } else {
        settings.store.password = url.password();
    }
    url.setUserInfo(QString());
    settings.store.endpoint = url;

    const QString timeout = storeText("store/timeout");
    if (!timeout.isEmpty()) {
        bool number = false;
        const double seconds = timeout.toDouble(&number);
        if (!number || seconds < 1 || seconds > 600)
            bad(storeFile, QStringLiteral("store/timeout"),
                QStringLiteral("'%1' is not a number of seconds from 1 to 600").arg(shown(timeout)));
        else
            settings.store.timeoutMs = int(seconds * 1000);
    }

    const QString insecure = storeText("store/allowInsecure").toLower();
    const bool credentials = !settings.store.username.isEmpty() || !settings.store.password.isEmpty() ||
                             settings.store.passwordInKeyring;
    if (url.scheme() == QLatin1String("http") && credentials && !isLoopback(url.host())) {
        if (insecure == QLatin1String("true"))
            settings.warnings << QStringLiteral("the store's password goes unencrypted over http:// to %1 "
                                                "(store/allowInsecure=true in %2)").arg(url.host(), storeFile->path);
        else
            bad(storeFile, endpointKey,
                QStringLiteral("the store's password would go unencrypted over http:// to %1; use https://, or set "
                               "store/allowInsecure=true").arg(url.host()));
    }
    return settings;
}

} // namespace kelvora
