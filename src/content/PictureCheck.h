#pragma once

#include "FileStamps.h"

#include <QSize>
#include <QString>

namespace kelvora {

// What checking a picture file found: its size as shown (upright) from its
// header, and why it does not decode, empty where it does.
struct PictureCheckResult {
    QSize size;
    QString problem;
};

// Checks picture files once each: a file is decoded small (a scaled decode
// still reads and checks its whole stream) and its size read from the header;
// the result is kept while the file's time and size are unchanged, so a tool
// that checks again after every edit decodes only the pictures that changed.
// Safe to use from several threads.
class PictureChecks {
public:
    PictureCheckResult check(const QString &path);

    // The checks the tools of one process share: results only ever describe
    // a file as it is, so sharing them changes nothing but the time taken.
    static PictureChecks &shared();

private:
    FileStamps<PictureCheckResult> m_checked;
};

} // namespace kelvora
