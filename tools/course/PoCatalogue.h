#pragma once

#include <QList>
#include <QString>

namespace kelvora {

// One entry of a translation file: its context, the source text (msgid) and
// its translation (msgstr, empty while untranslated).
struct PoEntry {
    QString context;
    QString source;
    QString translation;
    bool fuzzy = false;
    bool obsolete = false;
};

// A gettext PO file as far as the course's texts need it, read and written
// through libgettextpo, so that every translation tool opens what is written
// and everything they write is read.
struct PoCatalogue {
    QString projectId; // Project-Id-Version
    QString language;  // the header's Language, as written ("pt_BR")
    QList<PoEntry> entries;

    // Throws ToolError naming the file and the line libgettextpo complains of;
    // a file in another encoding than UTF-8 is refused.
    static PoCatalogue read(const QString &file);
    // "-" writes to the standard output. Throws ToolError.
    void write(const QString &file) const;
};

} // namespace kelvora
