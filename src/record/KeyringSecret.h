#pragma once

#include "StoreSettings.h"

#include <QString>

namespace kelvora {

// The store's password kept for a single user in the desktop's secret store
// (the Secret Service, or the platform's keychain), under the store's address
// and user name, never in a file. Both wait at most timeoutMs for the secret
// store; a locked one may ask the user to unlock it meanwhile.

struct KeyringSecret {
    QString secret;
    QString problem; // why there is none, for a message; empty when there is
};

KeyringSecret readStoreSecret(const StoreSettings &store, int timeoutMs);
// Empty, or why the secret could not be kept.
QString saveStoreSecret(const StoreSettings &store, const QString &secret, int timeoutMs);

} // namespace kelvora
