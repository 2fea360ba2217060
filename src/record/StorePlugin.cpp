#include "Courier.h"
#include "OutboxCourier.h"

namespace kelvora {

class StorePlugin : public QObject, public CourierMaker {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID KelvoraCourierMakerIid)
    Q_INTERFACES(kelvora::CourierMaker)
public:
    std::unique_ptr<Courier> makeCourier(const StoreSettings &store, const QString &outbox) override
    {
        return std::make_unique<OutboxCourier>(store, outbox);
    }
};

} // namespace kelvora

#include "StorePlugin.moc"
