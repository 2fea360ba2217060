#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// Colours and fonts shared by the painters, so one change restyles the whole pack.
namespace kelvora::content::PanelStyle {

inline const QColor cockpitShadow{10, 11, 13};
inline const QColor panelTop{52, 57, 63};
inline const QColor panelBottom{34, 38, 43};
inline const QColor consoleTop{46, 50, 56};
inline const QColor consoleBottom{30, 33, 38};
inline const QColor wall{22, 24, 28};
inline const QColor plate{58, 63, 70};
inline const QColor plateHighlight{92, 98, 106};
inline const QColor plateEdge{16, 18, 21};
inline const QColor screw{120, 124, 130};
inline const QColor glareShield{14, 15, 17};
inline const QColor legend{236, 236, 226};
inline const QColor frameNumber{110, 116, 124};

inline const QColor bezel{24, 26, 29};
inline const QColor metal{196, 200, 206};
inline const QColor metalDark{92, 96, 102};
inline const QColor knob{30, 31, 34};
inline const QColor lampGreen{70, 235, 100};
inline const QColor lampAmber{255, 178, 36};
inline const QColor lampRed{255, 52, 40};
inline const QColor lampOff{34, 36, 36};
inline const QColor guardRed{196, 30, 26};
inline const QColor screenGlass{6, 14, 10};
inline const QColor screenTrace{80, 230, 120};
inline const QColor screenCyan{90, 210, 240};
inline const QColor sky{40, 120, 200};
inline const QColor ground{130, 84, 40};
inline const QColor dialFace{10, 10, 12};
inline const QColor dialMarks{236, 236, 236};
inline const QColor needle{250, 250, 250};
inline const QColor arcGreen{40, 190, 70};
inline const QColor arcRed{220, 40, 30};
inline const QColor hazardYellow{240, 200, 30};

inline QFont font(int pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

inline QFont legendFont() { return font(11); }

// FNV-1a: the same value in every run (qHash is seeded per process).
inline quint32 stableHash(const QString &text)
{
    quint32 hash = 2166136261u;
    for (QChar c : text) {
        hash ^= c.unicode();
        hash *= 16777619u;
    }
    return hash;
}

} // namespace kelvora::content::PanelStyle
