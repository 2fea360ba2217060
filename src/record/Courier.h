#pragma once

#include "StoreSettings.h"

#include <QString>
#include <QtPlugin>
#include <memory>

namespace kelvora {

// What takes a run's records from the outbox to the learning record store.
class Courier {
public:
    virtual ~Courier() = default;
    // A first pass, for what earlier runs could not send.
    virtual void start() = 0;
    // A pass over the outbox as it is now, waited for at most waitMs;
    // true if it ended within that time, whatever it could send.
    virtual bool sendAndWait(int waitMs) = 0;
};

// The store plugin makes couriers. It alone links the network module, so a
// run that sends nothing never loads it (a megabyte and more of libraries).
class CourierMaker {
public:
    virtual ~CourierMaker() = default;
    virtual std::unique_ptr<Courier> makeCourier(const StoreSettings &store, const QString &outbox) = 0;
};

// A courier from the store plugin beside the trainer or in its installed
// place; none, with problem saying why, if the plugin cannot be loaded.
std::unique_ptr<Courier> loadCourier(const StoreSettings &store, const QString &outbox, QString &problem);

} // namespace kelvora

#define KelvoraCourierMakerIid "org.kelvora.trainer.CourierMaker/1"
Q_DECLARE_INTERFACE(kelvora::CourierMaker, KelvoraCourierMakerIid)
