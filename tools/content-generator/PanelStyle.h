#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// Colours and fonts shared by the painters, so one change restyles the whole pack.
namespace kelvora::content::PanelStyle {

inline const QColor backgroundTop{24, 27, 31};
inline const QColor backgroundBottom{40, 44, 50};
inline const QColor plate{46, 51, 57};
inline const QColor plateEdge{20, 22, 25};
inline const QColor screw{96, 100, 106};
inline const QColor glareShield{10, 11, 13};
inline const QColor markOutline{120, 128, 138};
inline const QColor legend{228, 228, 220};
inline const QColor caption{150, 156, 165};
inline const QColor captionBand{16, 18, 21, 200};

inline const QColor bezel{28, 30, 33};
inline const QColor metal{170, 174, 180};
inline const QColor metalDark{90, 94, 100};
inline const QColor lampGreen{60, 230, 90};
inline const QColor lampAmber{255, 176, 32};
inline const QColor lampOff{40, 44, 40};
inline const QColor guardRed{200, 34, 30};
inline const QColor screenGlass{8, 22, 14};
inline const QColor screenTrace{70, 220, 110};
inline const QColor dialFace{12, 12, 14};
inline const QColor dialMarks{235, 235, 235};
inline const QColor needle{255, 255, 255};

inline QFont legendFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

inline QFont numberFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    return font;
}

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
