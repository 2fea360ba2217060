#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace kelvora {

// Writes a record's bytes; false if it could not write them all.
using RecordBody = std::function<bool(QIODevice &device)>;

// A new file "<baseName>.json" in the folder (made if missing), or
// "<baseName>-2.json" and so on where that name is taken: an earlier record is
// never replaced. The file appears whole under its name or not at all.
// Returns its path, or an empty string and the reason in error.
QString saveNewRecord(const QString &folder, const QString &baseName, const RecordBody &body, QString *error);

// Replaces the file at path whole, or leaves it as it was.
bool saveRecordAs(const QString &path, const RecordBody &body, QString *error);

} // namespace kelvora
