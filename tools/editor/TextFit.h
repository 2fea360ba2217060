#pragma once

#include <QString>

namespace kelvora {

// "fits", "2 rows too long" or "a word too wide": how the text lies in the
// lesson screen's explanation label, measured with the trainer's font.
QString textFitMark(const QString &text);
bool textFits(const QString &text);

} // namespace kelvora
