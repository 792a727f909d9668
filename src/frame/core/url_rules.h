// The web addresses the frame opens: the maker's pages per UI language, the
// reference query that tells the site where a visit came from, the one
// routine every opened address passes through, and the browser behind it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// The kinds of web page the frame can address.
enum TProgObjURL : int32_t {
  puDonate,
  puWebsite,
  puDownload,
  puLicences,
  puHelp,
  puFunctions,
  puFAQ,
  puChangelog,
  puSupport,
  puIndividualSoftware,
  puIndividualAdaption,
  puMakerWebsite,
  puMakerSecondWebsite,
  puPortal,
  puPortalForum,
};

// The marker of addresses on the maker's own site (compared in any letter case).
inline constexpr const char* kMakerURLPart = "pellwick";

// The program's page in each of the four site languages.
struct TProgWebsites {
  std::string EN, DE, ES, FR;
};

// The maker's site for a UI language, host and path without scheme.
std::string MakerSiteForLanguage(int32_t language);
// The address of a page for a UI language (German 1, Spanish 4, French 6, English otherwise).
std::string GetURLForLanguage(TProgObjURL kind, int32_t language, const TProgWebsites& websites);
// "&rf=" + program id in lower case + place + "m" + language code + version stamp.
std::string GetURLRef(const std::string& progID, const std::string& place, int32_t language,
                      const std::string& versionYYMMDD);
// The address as it is opened: ampersands of a menu caption removed (not
// those of a query), scheme completed, a " - " description cut, the
// reference appended to addresses on the maker's site without "#".
std::string FormBrowseURL(const std::string& address, const std::string& urlRef);

// The help link of a standard tab of the settings window in the markup of
// the markup panel: the leading text, a blank and the link (the link alone
// when leadingText is empty).
std::string SettingsHelpLinkMarkup(const std::string& leadingText, const std::string& pathEN, const std::string& pathDE,
                                   const std::string& pathES, const std::string& pathFR, int32_t language);

// Opens an address in the system's browser; false when that failed.
using TBrowseToURLProc = std::function<bool(const std::string& url)>;
// Installs the browser call and returns the one before; tests install one that records.
TBrowseToURLProc SetBrowseToURLProc(TBrowseToURLProc proc);
bool HasBrowseToURLProc();
// Hands the address to the installed browser call; false without one.
bool OpenURLInBrowser(const std::string& url);
