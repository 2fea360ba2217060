#pragma once

#include <QColor>
#include <QFont>

class QPushButton;
class QRect;
class QWidget;

namespace kelvora {

// The trainer's bold caption font, in pixels so that wrapping is the same on
// every display: the stand-in for a 12 pt bold sans serif at 96 dpi.
QFont captionFont();
// The font of plain buttons and labels: the stand-in for 8 pt at 96 dpi.
QFont controlFont();

void setTextColor(QWidget *widget, const QColor &color);

// A push button in the control font; Enter presses it when it has the focus.
QPushButton *addButton(QWidget *parent, const QString &name, const QRect &rect, const QString &caption);

} // namespace kelvora
