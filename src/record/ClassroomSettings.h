#pragma once

#include "StoreSettings.h"
#include "screens/RunState.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora {

// What a classroom's administrator sets once for every run on a PC:
//   [records]  enabled=true, mode=guided|check, folder=DIR, homePage=URL, passMark=0.8
//   [store]    endpoint=URL, username=NAME, password=SECRET or passwordFile=FILE
//              or keyring=true, allowInsecure=true, timeout=SECONDS
//   [access]   keyboard, steadyMarks, captions, narrate = true|false
// For [records] and [store] the system-wide files come first: a key they set is
// the administrator's and the user's file cannot change it; the user's file
// gives only what they leave unset. The store is taken whole from the first
// file that names an endpoint. Other keys are the user's first.
class ClassroomSettings {
public:
    // A program installed set-group-ID to read the store's secret gives the group up here.
    static ClassroomSettings read();
    // ~/.config/kelvora/trainer.conf, then kelvora/trainer.conf in each folder of
    // XDG_CONFIG_DIRS (/etc/xdg by default); XDG_CONFIG_HOME moves the first.
    static QStringList files();
    // Which files the programs read and which of them decides, for their --help.
    static QString filesHelp();

    bool records = false;         // every run leaves a record
    std::optional<RunMode> mode;  // the mode where the command line gives none
    QString recordsFolder;        // instead of the user's records folder
    QString homePage;             // the system that knows the trainees by name
    double passMark = 0.8;        // the share of clean steps a check run needs to pass, 0 to 1
    StoreSettings store;          // records are also sent there
    AccessOptions access;         // what the command line adds to
    QString problem;              // a file or value that makes no sense, with its file and key; empty if none
    QStringList warnings;         // to be said once, on stderr

private:
    static ClassroomSettings readFiles();
};

} // namespace kelvora
