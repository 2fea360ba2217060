#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;

namespace kelvora {

// The file dialogs' filter for the pictures a course takes.
QString picturesFilter();

// Photographs picked in a dialog that shows them as thumbnails and opens where the last pick was made; in name
// order, numbers by their value ("2.jpg" before "10.jpg").
QStringList choosePhotographs(QWidget *parent, const QString &title, bool several = true);

// The sound files under the course's folder, relative to it, sorted.
QStringList soundsInCourse(const QString &folder);

// What a sound box shows for no sound.
QString noSound();
// A sound box offering no sound and the course's sounds, set to current (kept even where the folder lacks it).
void fillSoundBox(QComboBox *box, const QStringList &sounds, const QString &current);

} // namespace kelvora
