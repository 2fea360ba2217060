#pragma once

#include <QObject>
#include <QTimer>

namespace kelvora {

// A named window timer. Enabling it starts its period anew. tick() is what the
// period's end calls; tests call it directly to deliver a tick without waiting.
class Timer : public QObject {
    Q_OBJECT
public:
    Timer(QObject *parent, const QString &name, int intervalMs, bool enabled);

    bool isEnabled() const { return m_timer.isActive(); }
    void setEnabled(bool enabled);
    int interval() const { return m_timer.interval(); }

public slots:
    void tick();

signals:
    void ticked();
    // Enabled when it was not running.
    void started();

private:
    QTimer m_timer;
};

} // namespace kelvora
