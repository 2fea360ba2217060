#pragma once

#include "content/PackFiles.h"

namespace kelvora {

// The built-in course's content files, listed by hand screen by screen, so the
// files the course itself names can be compared with them.

// Start screen first, then screens 1 to 18.
const QList<ScreenAssets> &assetCatalogue();
// Throws std::out_of_range for a screen that does not exist.
const ScreenAssets &screenAssets(int screen);

// Lang1.txt (Turkish), Lang2.txt (English), Lang3.txt (French).
QStringList languageFileNames();

// Every file the built-in pack must hold, once each, sorted by path.
QList<PackFile> packFiles();

// The pack path of a name as a screen spells it ("Images\\005.jpg" ->
// "images/005.jpg"), or an empty string if no screen uses that file.
QString packPathOf(const QString &name);

} // namespace kelvora
