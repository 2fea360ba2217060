#pragma once

#include <QWidget>

namespace kelvora {

class Screen;

// The author's aid (a run's author mode): every lesson screen shows its marks'
// rectangles and names whatever their blink phase, and its caption the
// pointer's position. Drawn over a screen and its controls; lets every press through to them.
class AuthorView : public QWidget {
    Q_OBJECT
public:
    explicit AuthorView(Screen &screen);

    // "KELVORA Training - 3 / 18 · 412, 300": the position in design coordinates.
    static QString caption(const QString &title, QPoint position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void watch(QWidget *widget);

    Screen &m_screen;
    QString m_title;
};

} // namespace kelvora
