#pragma once

#include <QString>
#include <QUrl>

namespace kelvora {

// A learning record store: where its xAPI resources lie ("https://lrs.example.org/xapi/")
// and the basic authentication it asks for.
struct StoreSettings {
    QUrl endpoint;
    QString username;
    QString password;
    bool passwordInKeyring = false; // the password is read from the desktop's secret store when first needed
    int timeoutMs = 10000; // a send that takes longer is tried again later

    bool isSet() const { return endpoint.isValid() && !endpoint.isEmpty(); }
};

} // namespace kelvora
