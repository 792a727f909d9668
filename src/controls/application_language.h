// What the whole application takes from the user-interface language: the
// layout direction of every window, dialog, menu and field, and Qt's own
// translations (standard buttons, file dialogs, the context menus of text
// fields).
#pragma once

#include <cstdint>
#include <string>

// Sets the application's layout direction for the language (right to left
// for Arabic) and replaces Qt's own translations by the language's. A
// language for which Qt ships no translation gets Qt's English texts.
void SetApplicationLanguage(int32_t language);

// The locale name of Qt's translation files for a language ("de", "pt_BR",
// "zh_CN"); empty for English and the languages without one.
std::string QtTranslationLocale(int32_t language);
