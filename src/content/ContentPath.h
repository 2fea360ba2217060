#pragma once

#include <QDir>
#include <QString>

namespace kelvora {

// Content names are written the way the lessons spell them: backslashes and
// any letter case ("Images\\005.jpg", "sounds\\dugme3.wav"). They are resolved
// relative to a base folder (the current directory by default), matching every
// folder and file name without regard to case; an exact match wins.
// Returns the path of the existing file, or an empty string.
QString resolveContentPath(const QString &name, const QString &base = QDir::currentPath());

// The name with forward slashes, as it is looked for: "images/005.jpg".
QString contentRelativePath(const QString &name);

// "looked for images/019.jpg in /opt/trainer, in any letter case", for error messages.
QString contentLookupDetail(const QString &name, const QString &base = QDir::currentPath());

} // namespace kelvora
