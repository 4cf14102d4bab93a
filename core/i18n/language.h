#pragma once

// The language of the window and kestctl: the program's translation and Qt's own
// (standard buttons, file dialogs), chosen by --lang or by the system's language settings.

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace kest {

/// The language code that `--lang CODE` or `--lang=CODE` names among the program's
/// arguments, or an empty string when there is none.
QString languageArgument(const QStringList &arguments);

/// Installs the translators for `code` ("de", "pt_BR", "ja", ..., "pseudo"), or for the
/// system's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) when `code` is empty. English,
/// the C locale and a language the program has no translation for keep the source texts;
/// Qt's own texts then stay English as well, so that a box never mixes two languages.
/// A second call replaces what the first installed. Returns the language installed
/// ("de", "pseudo"), or an empty string for the source texts.
QString installTranslators(const QString &code = QString());

/// The languages the program ships a translation for, besides English.
QStringList shippedLanguages();

/// A made-up language for finding texts that would be cut: every word a third longer and
/// its letters accented, its placeholders, line breaks and tabs left as they are.
QString pseudoText(const QString &source);

/// The made-up language as a translator: it translates every text of the program.
class PseudoTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace kest
