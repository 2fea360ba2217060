#include "RuntimeError.h"

#include <limits>

namespace kelvora {

RuntimeError::RuntimeError(Kind kind, QString subject, QString detail)
    : std::runtime_error((kindText(kind) + QStringLiteral(": ") + subject).toStdString()),
      m_kind(kind), m_subject(std::move(subject)), m_detail(std::move(detail))
{
}

QString RuntimeError::kindText(Kind kind)
{
    switch (kind) {
    case Kind::FileNotFound: return QStringLiteral("file not found");
    case Kind::InputPastEndOfFile: return QStringLiteral("input past end of file");
    case Kind::BadPicture: return QStringLiteral("invalid picture");
    case Kind::ControlNotFound: return QStringLiteral("control not found");
    case Kind::ScreenNotFound: return QStringLiteral("screen not found");
    case Kind::Overflow: return QStringLiteral("overflow");
    case Kind::BadCourse: return QStringLiteral("invalid course");
    }
    return QStringLiteral("error");
}

namespace {
// A value from a course can be a megabyte long: shown whole, it takes an error box seconds to lay out.
constexpr qsizetype MaxShownCharacters = 1000;

QString cut(const QString &text)
{
    if (text.size() <= MaxShownCharacters)
        return text;
    return text.left(MaxShownCharacters) + QStringLiteral("... (%1 characters more)").arg(text.size() - MaxShownCharacters);
}
} // namespace

QString RuntimeError::message() const
{
    QString text = QStringLiteral("Run-time error: %1: %2").arg(kindText(m_kind), cut(m_subject));
    if (!m_detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(cut(m_detail));
    return text;
}

int checkedIncrement(int value, const char *counterName)
{
    if (value == std::numeric_limits<int>::max())
        throw RuntimeError(RuntimeError::Kind::Overflow, QString::fromLatin1(counterName));
    return value + 1;
}

} // namespace kelvora
