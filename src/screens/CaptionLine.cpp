#include "CaptionLine.h"

#include "Look.h"
#include "Run.h"
#include "Screen.h"
#include "Shape.h"
#include "TextPlate.h"
#include "course/ControlNames.h"
#include "course/MarkLook.h"

#include <QFontMetrics>

#include <algorithm>
#include <utility>

namespace kelvora {

namespace {
constexpr int Padding = 4;
constexpr int Gap = 4;
constexpr int Step = 4;
// A caption stays at least this long, and longer by the words it has, so that it can be read.
constexpr qint64 ShortestReadingMs = 1500;
constexpr qint64 ReadingMsPerCharacter = 60;
constexpr int CheckMs = 100;
} // namespace

CaptionLine::CaptionLine(Screen &page, std::map<QString, QStringList> captions)
    : QLabel(&page), m_page(page), m_captions(std::move(captions))
{
    setObjectName(QStringLiteral("captionLine"));
    setFont(captionFont());
    setTextColor(this, MarkYellow);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAlignment(Qt::AlignCenter);
    hide();
    m_check.setInterval(CheckMs);
    connect(&m_check, &QTimer::timeout, this, &CaptionLine::moveOn);
}

QString CaptionLine::captionOf(const QString &sound) const
{
    const auto found = m_captions.find(soundKey(sound));
    if (sound.isEmpty() || found == m_captions.end() || found->second.isEmpty())
        return {};
    return found->second.value(m_page.run().language - 1, found->second.front());
}

void CaptionLine::heard(const QString &sound, bool loop, std::function<bool()> playing)
{
    m_playing = std::move(playing);
    m_latest = false;
    m_pending.clear();
    m_pendingSound.clear();
    const QString caption = captionOf(sound);
    const bool reading = isVisible() && m_shown.elapsed() < m_readingMs;
    if (caption.isEmpty())
        moveOn();
    else if (loop && reading)
        m_pending = caption, m_pendingSound = soundKey(sound);
    else
        showCaption(caption, sound);
}

void CaptionLine::notPlayed(const QString &sound)
{
    const QString key = soundKey(sound);
    if (key == m_pendingSound)
        m_pending.clear(), m_pendingSound.clear();
    if (key == m_sound && m_latest) {
        m_check.stop();
        hide();
    }
}

void CaptionLine::showCaption(const QString &caption, const QString &sound)
{
    m_sound = soundKey(sound);
    m_latest = true;
    setText(caption);
    const QSize size(fontMetrics().horizontalAdvance(caption) + 2 * Padding, fontMetrics().height() + Padding);
    setGeometry(placeFor(size));
    plateWhereUnreadable(*this, m_page.picture());
    show();
    raise();
    // A sound played to its end holds the window's events: the caption is painted before it starts.
    repaint();
    m_readingMs = std::max(ShortestReadingMs, ReadingMsPerCharacter * caption.size());
    m_shown.start();
    m_check.start();
}

// A caption read stays while its sound plays; a looping sound's waiting caption then follows.
void CaptionLine::moveOn()
{
    if (isVisible() && m_shown.elapsed() < m_readingMs)
        return;
    if (!m_pending.isEmpty()) {
        const QString caption = std::exchange(m_pending, QString());
        showCaption(caption, std::exchange(m_pendingSound, QString()));
        return;
    }
    if (isVisible() && m_latest && m_playing && m_playing())
        return;
    m_check.stop();
    hide();
}

QRect CaptionLine::placeFor(QSize size) const
{
    std::vector<QRect> taken;
    QRect below;
    for (QWidget *child : m_page.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child == this)
            continue;
        // A mark is kept clear even while it is dark, Continue even before it shows.
        const bool alwaysClear = qobject_cast<kelvora::Shape *>(child) || child->objectName() == names::ContinueLabel;
        if (child->objectName() == names::Explain)
            below = child->geometry();
        if (alwaysClear || child->isVisibleTo(&m_page))
            taken.push_back(child->geometry());
    }
    const QRect page = m_page.rect();
    const int left = below.isValid() ? below.left() : Gap;
    const int top = below.isValid() ? below.bottom() + 1 + Gap : Gap;
    const auto free = [&taken](const QRect &place) {
        return std::none_of(taken.begin(), taken.end(), [&place](const QRect &rect) { return rect.intersects(place); });
    };
    // Down the page from under the explanation, on its left, then on the page's right.
    for (int x : {left, page.width() - Gap - size.width()}) {
        for (int y = top; y + size.height() <= page.height(); y += Step) {
            const QRect place(QPoint(x, y), size);
            if (free(place))
                return place;
        }
    }
    return QRect(QPoint(left, top), size);
}

} // namespace kelvora
