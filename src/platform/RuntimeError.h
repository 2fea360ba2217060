#pragma once

#include <QString>
#include <stdexcept>

namespace kelvora {

// A failure that ends the run: a missing or unreadable content file, a control
// that a screen does not have, an overflowing counter. Thrown where it happens
// and caught where the handler that raised it runs (runHandler), never further out.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind { FileNotFound, InputPastEndOfFile, BadPicture, ControlNotFound, ScreenNotFound, Overflow, BadCourse };

    // subject: the file or control as the program named it;
    // detail: where it was looked for, if that tells more.
    RuntimeError(Kind kind, QString subject, QString detail = {});

    Kind kind() const { return m_kind; }
    const QString &subject() const { return m_subject; }
    const QString &detail() const { return m_detail; }
    // "Run-time error: file not found: images\019.jpg (looked for images/019.jpg in /opt/trainer)"
    QString message() const;

    static QString kindText(Kind kind);

private:
    Kind m_kind;
    QString m_subject;
    QString m_detail;
};

// Adds one to a run counter, as the lessons' guarded additions do.
int checkedIncrement(int value, const char *counterName);

} // namespace kelvora
