#pragma once

#include <QLabel>

namespace kelvora {

// A label that takes the presses landing on it, so they never reach the window
// below, and reports them. Its text is shown as plain text, exactly as read; of
// a text far longer than the label can show, only the start is laid out.
class PressLabel : public QLabel {
    Q_OBJECT
public:
    PressLabel(QWidget *parent, const QString &name, const QRect &rect, const QString &caption);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kelvora
