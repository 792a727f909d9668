// The markup of the info dialog's pages, composed from the text store of
// the current language and a few properties of the program.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/types.h"

// The page IDs, carried by the info menu's entries.
inline constexpr int32_t kInfoPageHelp = 5000;
inline constexpr int32_t kInfoPageBugReport = 5001;
inline constexpr int32_t kInfoPageOtherSoftware = 5002;
inline constexpr int32_t kInfoPageIndividual = 5003;
inline constexpr int32_t kInfoPageDonate = 5004;
inline constexpr int32_t kInfoPageAbout = 5005;

// The pages the dialog shows, in order. The maker's product and service pages
// have no content in this program, so they are left out rather than shown
// empty, together with the menu entries that would open them.
inline constexpr int32_t kInfoPagesShown[] = {kInfoPageHelp, kInfoPageBugReport, kInfoPageDonate, kInfoPageAbout};

struct TInfoPageParams {
  int32_t Language = 0;
  // Text-store slots of the help paragraphs of the first page.
  TIntArray HelpTexts;
  bool HasBatchVersion = false;
  // The program's page as host and path.
  std::string ProgWebsite;
  std::string ProgVersion;
  TStrArray InfoThanks;
};

// The text-store slot of a page's tab caption; -1 for an unknown page.
int32_t InfoPageCaptionSlot(int32_t pageID);
// The picture resource of the donation page for a language.
std::string InfoDonationPictureName(int32_t language);
// Empty for an unknown page.
std::string GetInfoDialogText(int32_t pageID, const TInfoPageParams& params);
