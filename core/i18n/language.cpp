#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

#include <memory>
#include <vector>

namespace kest {

namespace {

// The program's translations are compiled in under this prefix as kest_<code>.qm.
const QString kOwnPrefix = QStringLiteral(":/i18n/kest");
const QString kPseudo = QStringLiteral("pseudo");

/// What installTranslators put into the application, removed again by its next call.
std::vector<std::unique_ptr<QTranslator>> &installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

QChar accented(QChar c)
{
    // Accented letters of Latin-1 and Latin Extended-A, which the form's font has: the
    // pseudo-language grows by its added letters, not by wider glyphs of another font.
    static const QString lower = QStringLiteral(u"åbçďéfĝĥîĵķļmñöpqŕšţûvŵxýž");
    static const QString upper = QStringLiteral(u"ÅBÇĎÉFĜĤÎĴĶĻMÑÖPQŔŠŢÛVŴXÝŽ");
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return lower.at(c.unicode() - 'a');
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
        return upper.at(c.unicode() - 'A');
    return c;
}

/// The length of what starts at `i` and must stay as it is, 0 for an ordinary character:
/// a placeholder ("%1", "%L2", "%n") or a progress bar's format ("%v", "%p", "%m").
int keptLength(const QString &s, int i)
{
    if (s.at(i) != QLatin1Char('%') || i + 1 >= s.size())
        return 0;
    int j = i + 1;
    if (QStringLiteral("vpm").contains(s.at(j)))
        return 2;
    if (s.at(j) == QLatin1Char('L') && j + 1 < s.size())
        ++j;
    if (s.at(j) == QLatin1Char('n'))
        return j + 1 - i;
    const int digits = j;
    while (j < s.size() && j - digits < 2 && s.at(j).isDigit())
        ++j;
    return j > digits ? j - i : 0;
}

} // namespace

QString languageArgument(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--lang") && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (a.startsWith(QLatin1String("--lang=")))
            return a.mid(7);
    }
    return QString();
}

QStringList shippedLanguages()
{
    return {QStringLiteral("de"), QStringLiteral("fr"),    QStringLiteral("es"),
            QStringLiteral("it"), QStringLiteral("pt_BR"), QStringLiteral("ja")};
}

QString pseudoText(const QString &source)
{
    // Each word a third longer, its own letters repeated: long words stay unbreakable,
    // as the long words of a real language are.
    QString out;
    QString word;
    const auto endWord = [&] {
        word += word.left((word.size() + 2) / 3);
        out += word;
        word.clear();
    };
    for (int i = 0; i < source.size();) {
        if (const int n = keptLength(source, i)) {
            endWord();
            out += source.mid(i, n);
            i += n;
            continue;
        }
        const QChar c = accented(source.at(i++));
        if (c.isLetter()) {
            word += c;
        } else {
            endWord();
            out += c;
        }
    }
    endWord();
    return out;
}

QString PseudoTranslator::translate(const char *context, const char *sourceText,
                                    const char *disambiguation, int n) const
{
    Q_UNUSED(disambiguation)
    Q_UNUSED(n)
    // Key names stay as they are: shortcuts are read back from their text.
    if (!sourceText || !*sourceText || qstrcmp(context, "QShortcut") == 0)
        return QString();
    return pseudoText(QString::fromUtf8(sourceText));
}

QString installTranslators(const QString &code)
{
    auto &translators = installed();
    for (const auto &t : translators)
        QCoreApplication::removeTranslator(t.get());
    translators.clear();

    if (code == kPseudo) {
        translators.push_back(std::make_unique<PseudoTranslator>());
        QCoreApplication::installTranslator(translators.back().get());
        return kPseudo;
    }
    // "--lang pt_BR" and "--lang pt-BR" alike; the system's languages in their order of
    // preference otherwise (QLocale reads LANGUAGE before LC_ALL, LC_MESSAGES and LANG).
    // The first that is English or one of ours wins; "de_AT" takes "de", "pt_PT" "pt_BR".
    const QStringList wanted
        = code.isEmpty() ? QLocale::system().uiLanguages() : QStringList {code};
    QString language;
    for (QString name : wanted) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString base = name.section(QLatin1Char('_'), 0, 0);
        if (base == QLatin1String("en") || base == QLatin1String("C")
            || base == QLatin1String("POSIX"))
            return QString();
        for (const QString &shipped : shippedLanguages()) {
            if (shipped == name
                || (language.isEmpty() && shipped.section(QLatin1Char('_'), 0, 0) == base))
                language = shipped;
        }
        if (!language.isEmpty())
            break;
    }
    auto own = std::make_unique<QTranslator>();
    if (language.isEmpty() || !own->load(kOwnPrefix + QLatin1Char('_') + language))
        return QString();
    QCoreApplication::installTranslator(own.get());
    translators.push_back(std::move(own));

    // Qt's own texts in the same language, where the system has them.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        translators.push_back(std::move(qt));
    }
    return language;
}

} // namespace kest
