// Which language the user interface speaks at start: the "lang" line of
// "lang.cfg" (the application's folder first, then the per-user folder), else
// the system's preferred language and its fallback, limited to the offered
// languages.
#pragma once

#include <cstdint>
#include <string>

#include "text/language_constants.h"

// The value of the first line that begins with exactly "lang=" in the
// application folder's "lang.cfg", else in the configuration folder's; ""
// when neither has a non-empty value. Both folders end in "/".
std::string LoadLangCfgValue(const std::string& applicationFolder, const std::string& configFolder);

// The language constant for a "lang.cfg" value, or (when it is empty) for the
// system's preferred language and its fallback ("de_DE", "de"). Codes of
// languages that are not offered are passed over; English when none fits.
int32_t ChooseStartLanguage(const std::string& langCfgValue, const std::string& systemLanguage,
                            const std::string& systemFallback, const TLanguageSet& offered);

// The preferred language and its fallback from the usual environment
// variables (LANGUAGE, a colon-separated list, before LC_ALL, LC_MESSAGES and
// LANG), with encoding and modifier removed: "de_DE.UTF-8" gives "de_DE" and
// "de". The "C" and "POSIX" locales name no language.
void SystemLanguagesFromEnvironment(const std::string& language, const std::string& lcAll,
                                    const std::string& lcMessages, const std::string& lang, std::string& preferred,
                                    std::string& fallback);

// The content that the language tab writes into "lang.cfg": "lang=" and the
// language's code in lower case, without a line break.
std::string LangCfgContent(int32_t language);
