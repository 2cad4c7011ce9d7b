#pragma once

#include <QString>
#include <QStringList>

// Which language Zelvo speaks: the desktop's, when Zelvo has it.
namespace Idioma {

// The language the program's texts are written in, spoken whenever the user
// asks for none that Zelvo has.
inline constexpr QLatin1String Original("pt_BR");

// The languages Zelvo has: the original one and its translations.
QStringList disponiveis();

// The first of the user's languages, in their order of preference (as
// QLocale::uiLanguages() gives them: "es-MX", "fr", "C"...), that is in
// `disponiveis`, by language code whatever the country ("en-GB" takes "en",
// "pt-PT" takes "pt_BR"); the original when it holds none of them, as for "C"
// and "POSIX", which ask for the untranslated program. `disponiveis` names the
// original too, or a Portuguese reader who also lists English would get it.
QString escolhe(const QStringList &uiLanguages, const QStringList &disponiveis);

// The language for this desktop session.
QString doSistema();

// The language the program speaks in this run, the original until told.
QString atual();
void usa(const QString &idioma);

} // namespace Idioma
