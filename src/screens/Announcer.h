#pragma once

#include <QWidget>

namespace kelvora {

// Tells a screen reader a new explanation. A label's name change is not spoken
// by screen readers, so each text is also given to this alert, which then
// reports itself shown: screen readers speak an alert as it appears. It lies
// over the explanation, draws nothing and takes no press.
class Announcer : public QWidget {
    Q_OBJECT
public:
    Announcer(QWidget *parent, const QRect &rect);

    void announce(const QString &text);
};

} // namespace kelvora
