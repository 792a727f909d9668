#include "frame/core/url_rules.h"

#include "foundation/letter_case.h"
#include "text/language_constants.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

const std::string& ByLanguage(int32_t language, const std::string& en, const std::string& de, const std::string& es,
                              const std::string& fr) {
  switch (language) {
    case SprLangGerman: return de;
    case SprLangSpanish: return es;
    case SprLangFrench: return fr;
    default: return en;
  }
}

TBrowseToURLProc& BrowseProc() {
  static TBrowseToURLProc proc;
  return proc;
}

}  // namespace

std::string MakerSiteForLanguage(int32_t language) {
  return ByLanguage(language, "www.pellwick.com", "www.pellwick.de", "www.pellwick.com/es", "www.pellwick.com/fr");
}

std::string GetURLForLanguage(TProgObjURL kind, int32_t language, const TProgWebsites& websites) {
  const std::string site = MakerSiteForLanguage(language);
  const std::string prog = ByLanguage(language, websites.EN, websites.DE, websites.ES, websites.FR);
  auto suffix = [&](const char* en, const char* de, const char* es, const char* fr) {
    return ByLanguage(language, en, de, es, fr);
  };
  switch (kind) {
    case puDonate: return site + suffix("/donate", "/spenden", "/donar", "/donner");
    case puWebsite: return prog;
    case puDownload: return prog + suffix("-download", "-download", "-descarga", "-telechargement");
    case puLicences: return prog + suffix("-licenses", "-lizenzen", "-licencias", "-licences");
    case puHelp: return prog + suffix("-help", "-hilfe", "-ayuda", "-aide");
    case puFunctions: return prog + suffix("-functions", "-funktionen", "-funciones", "-fonctions");
    case puFAQ: return prog + "-faq";
    case puChangelog: return prog + suffix("-changelog", "-changelog", "-modificaciones", "-modifications");
    case puSupport: return prog + suffix("-support", "-support", "-soporte", "-support");
    case puIndividualSoftware: return site + suffix("/individual", "/individuell", "/individual", "/individuel");
    case puIndividualAdaption:
      return site +
             suffix("/individual-fit", "/individuelle-anpassung", "/individual-adaptacion", "/individuel-adaptation");
    case puMakerWebsite: return site;
    case puMakerSecondWebsite:
      return language == SprLangGerman ? "www.pellwick-software.de" : "www.pellwick-software.com";
    case puPortal:
      return suffix("en.pellwick-answers.com", "de.pellwick-answers.com", "es.pellwick-answers.com",
                    "fr.pellwick-answers.com");
    case puPortalForum:
      return suffix("en.pellwick-answers.com/forum/pellwick", "de.pellwick-answers.com/forum/pellwick",
                    "es.pellwick-answers.com/forum/pellwick", "fr.pellwick-answers.com/forum/pellwick");
  }
  return std::string();
}

std::string GetURLRef(const std::string& progID, const std::string& place, int32_t language,
                      const std::string& versionYYMMDD) {
  return "&rf=" + UTF8LowerCase(progID) + place + "m" + SprConstTo2CharString(language, false) + versionYYMMDD;
}

std::string FormBrowseURL(const std::string& address, const std::string& urlRef) {
  // Menu captions double an ampersand; a query keeps its own.
  const size_t query = address.find('?');
  std::string url;
  for (size_t i = 0; i < address.size(); ++i)
    if (address[i] != '&' || (query != std::string::npos && i > query)) url += address[i];
  if (StartsWith(url, "www.") || StartsWith(url, "de.") || StartsWith(url, "en.") || StartsWith(url, "es.") ||
      StartsWith(url, "fr."))
    url = "http://" + url;
  else if (!StartsWith(url, "http://") && !StartsWith(url, "https://"))
    url = "http://www." + url;
  if (const size_t dash = url.find(" - "); dash != std::string::npos) url.resize(dash);
  if (UTF8UpperCase(url).find(UTF8UpperCase(kMakerURLPart)) != std::string::npos && url.find('#') == std::string::npos)
    url += urlRef;
  ReplaceAll(url, ".de&", ".de/&");
  ReplaceAll(url, ".com&", ".com/&");
  return url;
}

std::string SettingsHelpLinkMarkup(const std::string& leadingText, const std::string& pathEN, const std::string& pathDE,
                                   const std::string& pathES, const std::string& pathFR, int32_t language) {
  const std::string address =
      MakerSiteForLanguage(language) + "/" + ByLanguage(language, pathEN, pathDE, pathES, pathFR);
  const std::string link = "<a=" + address + ">" + address + "</a>";
  return leadingText.empty() ? link : leadingText + " " + link;
}

TBrowseToURLProc SetBrowseToURLProc(TBrowseToURLProc proc) {
  TBrowseToURLProc old = std::move(BrowseProc());
  BrowseProc() = std::move(proc);
  return old;
}

bool HasBrowseToURLProc() { return static_cast<bool>(BrowseProc()); }

bool OpenURLInBrowser(const std::string& url) { return BrowseProc() ? BrowseProc()(url) : false; }
