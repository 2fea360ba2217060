#pragma once

#include <QString>

namespace kelvora {

// The trainer's own words in one language: the start button, the continue label, Next, Exit, the start
// screen's "Current Language:" and its credit line.
struct LanguageCaptions {
    QString start;
    QString continueLabel;
    QString next;
    QString exit;
    QString currentLanguage;
    QString credit;
    friend bool operator==(const LanguageCaptions &, const LanguageCaptions &) = default;
};

// The built-in captions of tr, en, fr and de (by the tag's primary language: "de-AT" gets de's); nullptr for
// any other tag.
const LanguageCaptions *defaultCaptions(const QString &tag);

// A well-formed language tag: "en", "pt-BR", "zh-Hant-TW": 2 to 8 letters, then
// any number of "-" and 1 to 8 letters or digits.
bool isLanguageTag(QStringView tag);

} // namespace kelvora
