#pragma once

#include "record/StoreSettings.h"

#include <QDateTime>
#include <QJsonArray>
#include <QString>

namespace kelvora {

// How much a store may send and how long it may take: a store that pages for
// ever, drips or answers without end is cut off with a message, never waited
// on or held in memory without bound.
struct ReadLimits {
    qint64 pageBytes = 32 * 1024 * 1024;
    qint64 totalBytes = 256 * 1024 * 1024;
    int pages = 2000;
    int pageMs = 60000;   // one page, however slowly it comes
    int wholeMs = 300000; // the whole reading, all pages
};

// Which statements to ask for: those about the activity (and activities below it), in a time range.
struct StoreQuery {
    QString activity; // empty: every activity
    QDateTime since;  // invalid: from the first
    QDateTime until;  // invalid: to the last
};

struct StoreReading {
    QJsonArray statements;
    QString problem; // why the reading stopped short; empty when it was whole
    int pages = 0;
};

// GET statements from the store, each page by the exchange that sending uses
// (its credentials and redirects), following "more" at the store's origin only;
// runs an event loop of its own until done.
StoreReading readStore(StoreSettings store, const StoreQuery &query, const ReadLimits &limits = {});

} // namespace kelvora
