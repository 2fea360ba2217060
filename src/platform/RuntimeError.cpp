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

QString RuntimeError::message() const
{
    QString text = QStringLiteral("Run-time error: %1: %2").arg(kindText(m_kind), m_subject);
    if (!m_detail.isEmpty())
        text += QStringLiteral(" (%1)").arg(m_detail);
    return text;
}

int checkedIncrement(int value, const char *counterName)
{
    if (value == std::numeric_limits<int>::max())
        throw RuntimeError(RuntimeError::Kind::Overflow, QString::fromLatin1(counterName));
    return value + 1;
}

} // namespace kelvora
