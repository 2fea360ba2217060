#pragma once

#include "StoreSettings.h"
#include "screens/RunState.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

// What a classroom's administrator sets once for every run on a PC, read from
// the user's settings file, else the system-wide one:
//   [records]  enabled=true, mode=guided|check, folder=DIR, homePage=URL, passMark=0.8
//   [store]    endpoint=URL, username=NAME, password=SECRET
//   [access]   keyboard, steadyMarks, captions, narrate = true|false
class ClassroomSettings {
public:
    static ClassroomSettings read();
    // ~/.config/kelvora/trainer.conf, then /etc/xdg/kelvora/trainer.conf (XDG_CONFIG_HOME and
    // XDG_CONFIG_DIRS move them).
    static QStringList files();

    bool records = false;         // every run leaves a record
    std::optional<RunMode> mode;  // the mode where the command line gives none
    QString recordsFolder;        // instead of the user's records folder
    QString homePage;             // the system that knows the trainees by name
    double passMark = 0.8;        // the share of clean steps a check run needs to pass, 0 to 1
    StoreSettings store;          // records are also sent there
    AccessOptions access;         // what the command line adds to
    QString problem;              // a value that makes no sense, with its file and key; empty if none
};

} // namespace kelvora
