#include "Look.h"

#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>

namespace kelvora {

namespace {
QFont liberationSans(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
} // namespace

QFont captionFont()
{
    return liberationSans(16, true);
}

QFont controlFont()
{
    return liberationSans(11, false);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

namespace {
// A button takes every press on it, whichever mouse button: none reaches the window below.
class Button : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        QPushButton::mousePressEvent(event);
        event->accept();
    }
};
} // namespace

QPushButton *addButton(QWidget *parent, const QString &name, const QRect &rect, const QString &caption)
{
    auto *button = new Button(caption, parent);
    button->setObjectName(name);
    button->setGeometry(rect);
    button->setFont(controlFont());
    button->setAutoDefault(true);
    return button;
}

} // namespace kelvora
