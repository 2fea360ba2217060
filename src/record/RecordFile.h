#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

// A new file "<baseName>.json" in the folder (made if missing), or
// "<baseName>-2.json" and so on where that name is taken, also by a run that
// ends at the same moment: an earlier record is never replaced. The file is
// written and synced under a hidden name first, so it appears whole or not at
// all. Returns its path, or an empty string and the reason, naming the file.
QString saveNewRecord(const QString &folder, const QString &baseName, const QByteArray &bytes, QString *error);

// Replaces the regular file at path whole, or leaves it as it was; anything but
// a regular file (a FIFO, a device) is refused.
bool saveRecordAs(const QString &path, const QByteArray &bytes, QString *error);

// Why a record could not be written to the file, or into the folder (made if
// missing); empty where it can. Asked before the run, so it stops before a window opens.
QString recordFileProblem(const QString &path);
// A folder made here is made 0700, and every record file 0600, whatever the umask.
QString recordFolderProblem(const QString &folder);

// Records that a run ended by a signal wrote whole but did not put in place
// are put in place now; those it cut short are removed. Returns the paths placed.
QStringList recoverPartFiles(const QString &folder);

// The bytes of a record file, which any program may have put there: a regular
// file of sensible size, else nothing and the reason in error.
std::optional<QByteArray> readRecordFile(const QString &path, QString *error);

// "20261207-104408-Ayse_Demir": sorts by start time and says whose run it is.
// Letters and digits of any script are kept, the rest becomes "_"; a long name
// is cut so that the file's name stays well inside what a file system allows.
QString recordBaseName(const QDateTime &start, const QString &trainee);

} // namespace kelvora
