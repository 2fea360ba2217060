#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

namespace kelvora {

// The name a file has in the course: a file inside the course's folder keeps its
// place; one from elsewhere is copied into the folder's subfolder (images/,
// sounds/), under a new name where another file has its name.
// Returns the name relative to the folder, or an empty string with the reason in error.
QString bringIntoCourse(const QString &folder, const QString &file, const QString &subfolder, QString *error);

// The file dialogs' filter for the pictures a course takes.
inline const QString PicturesFilter = QStringLiteral("Pictures (*.jpg *.jpeg *.png *.bmp);;All files (*)");

// The sound files under the course's folder, relative to it, sorted.
QStringList soundsInCourse(const QString &folder);

// What a sound box shows for no sound.
inline const QString NoSound = QStringLiteral("(none)");
// A sound box offering no sound and the course's sounds, set to current (kept even where the folder lacks it).
void fillSoundBox(QComboBox *box, const QStringList &sounds, const QString &current);

} // namespace kelvora
