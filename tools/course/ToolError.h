#pragma once

#include <QString>

#include <stdexcept>

namespace kelvora {

// What stops kelvora-course: a file it cannot read or write, a language the
// course does not have. The message names the file or the language.
class ToolError : public std::runtime_error {
public:
    explicit ToolError(const QString &message) : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

private:
    QString m_message;
};

} // namespace kelvora
