#pragma once

#include <QString>
#include <QString>

namespace kelvora {

// Decides, before the start screen loads, where pictures, sounds and language
// files come from. With a requested folder (--content) that folder holds them
// all. Without one, the current directory holds the pictures and sounds and the
// executable's folder the language files, as a runnable folder has them; when
// the current directory has no start picture, the first of the other candidate
// folders that has one holds everything. Throws a RuntimeError that names every
// folder tried when none has it. Returns the folder that holds everything, or
// an empty string for the current directory and the executable's folder.
QString locateContent(const QString &requested);
// The same with the executable's folder given.
QString locateContent(const QString &requested, const QString &programFolder);

} // namespace kelvora
