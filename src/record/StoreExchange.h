#pragma once

#include "StoreSettings.h"

#include <QByteArray>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;

namespace kelvora {

// What a store answered to one request.
struct StoreAnswer {
    int status = 0;    // the HTTP status; 0 where none came
    QByteArray body;   // at most the bytes asked for
    QString problem;   // why there is no whole answer; empty where the store answered (whatever its status)
};

// One request to a learning record store, as everything that talks to a store
// makes it: the credentials go to the store's own origin only; a redirect is
// followed only there and only where it keeps the request as it was (a 307 or
// 308, or any for a GET), else it is a problem naming the new address; the
// whole exchange, not each byte, is bounded in time, and the answer in size.
class StoreExchange {
public:
    StoreExchange(const StoreSettings &store, QNetworkAccessManager &network);

    StoreAnswer run(const QByteArray &method, QUrl url, const QByteArray &body, qint64 maxAnswerBytes,
                    int timeoutMs) const;
    // Whether url lies at the store's own origin (scheme, host and port).
    bool isStoreOrigin(const QUrl &url) const;
    // The store's statements resource.
    QUrl statementsUrl() const;

private:
    const StoreSettings &m_store;
    QNetworkAccessManager &m_network;
};

} // namespace kelvora
