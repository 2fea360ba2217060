#pragma once

#include <QString>

namespace kelvora {

// The trainer the editor plays courses in: kelvora-trainer beside the editor,
// else the one on PATH ("" when there is none).
QString trainerProgram();

// Starts the trainer on the course at screen (1-based) in the language of the tag.
// Returns an empty string or the reason it did not start.
QString playInTrainer(const QString &courseFile, int screen, const QString &languageTag);

} // namespace kelvora
