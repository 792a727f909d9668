#include "controls/application_language.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

#include "foundation/qt/qt_strings.h"
#include "text/language_constants.h"

namespace {

// The catalogues of the Qt modules the program uses.
constexpr const char* kQtCatalogues[] = {"qtbase"};

std::vector<std::unique_ptr<QTranslator>>& InstalledTranslators() {
  static std::vector<std::unique_ptr<QTranslator>> translators;
  return translators;
}

}  // namespace

std::string QtTranslationLocale(int32_t language) {
  switch (language) {
    case SprLangGerman: return "de";
    case SprLangDanish: return "da";
    case SprLangBrazilianPortuguese: return "pt_BR";
    case SprLangSpanish: return "es";
    case SprLangSimplifiedChinese: return "zh_CN";
    case SprLangFrench: return "fr";
    case SprLangRussian: return "ru";
    case SprLangDutch: return "nl";
    case SprLangItalian: return "it";
    case SprLangJapanese: return "ja";
    case SprLangPolish: return "pl";
    case SprLangArabic: return "ar";
    case SprLangKorean: return "ko";
    default: return std::string();  // English, and Serbian, which Qt does not translate
  }
}

void SetApplicationLanguage(int32_t language) {
  const bool rightToLeft = SprGetBiDiModeOfLanguage(language) == bdRightToLeft;
  QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);

  auto& translators = InstalledTranslators();
  for (const auto& translator : translators) QCoreApplication::removeTranslator(translator.get());
  translators.clear();
  const std::string locale = QtTranslationLocale(language);
  if (locale.empty()) return;
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* catalogue : kQtCatalogues) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLatin1String(catalogue) + QLatin1Char('_') + ToQString(locale), folder)) continue;
    QCoreApplication::installTranslator(translator.get());
    translators.push_back(std::move(translator));
  }
}
