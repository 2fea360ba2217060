#pragma once

#include <QDir>
#include <QString>

namespace kelvora {

// The start screen's photograph; a folder that has it holds the content.
inline const QString StartPicture = QStringLiteral("images\\000.jpg");

// Content names are written the way the lessons spell them: backslashes and
// any letter case ("Images\\005.jpg", "sounds\\dugme3.wav"). They are resolved
// relative to a base folder, matching every folder and file name without regard
// to case; an exact match wins, and a link may not lead out of the base folder.
// Returns the path of the existing file, or an empty string.
QString resolveContentPath(const QString &name, const QString &base);

// The name with forward slashes, as it is looked for: "images/005.jpg".
QString contentRelativePath(const QString &name);

// "looked for images/019.jpg in /opt/trainer, in any letter case", for error messages.
QString contentLookupDetail(const QString &name, const QString &base);

} // namespace kelvora
