#pragma once

#include "content/FileStamps.h"

#include <QString>

namespace kelvora {

// Why the sound file at path would not play whole: it does not decode, holds
// no sound, or breaks off before the end its header promises. Empty when it is sound.
QString soundProblem(const QString &path);

// soundProblem, decoded once per file while its time and size are unchanged: the editor checks again after
// every edit, and a long loop sound would be decoded each time. Safe to use from several threads.
class SoundChecks {
public:
    QString check(const QString &path);

    // The checks the tools of one process share.
    static SoundChecks &shared();

private:
    FileStamps<QString> m_checked;
};

} // namespace kelvora
