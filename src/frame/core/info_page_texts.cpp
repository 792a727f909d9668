#include "frame/core/info_page_texts.h"

#include "frame/core/url_rules.h"
#include "text/language_constants.h"
#include "text/text_store.h"

namespace {

std::string Text(StrResGlobal slot) { return SprText(slot); }

std::string SlotText(int32_t slot) {
  if (slot < 0 || slot >= SprStoreLength) return std::string();
  return SprText(static_cast<StrResGlobal>(slot));
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

}  // namespace

int32_t InfoPageCaptionSlot(int32_t pageID) {
  switch (pageID) {
    case kInfoPageHelp: return 790;
    case kInfoPageBugReport: return 820;
    case kInfoPageOtherSoftware: return 791;
    case kInfoPageIndividual: return 823;
    case kInfoPageDonate: return 824;
    case kInfoPageAbout: return 826;
    default: return -1;
  }
}

std::string InfoDonationPictureName(int32_t language) {
  switch (language) {
    case SprLangGerman: return "donde";
    case SprLangSpanish: return "dones";
    case SprLangFrench: return "donfr";
    default: return "donen";
  }
}

std::string GetInfoDialogText(int32_t pageID, const TInfoPageParams& p) {
  std::string s;
  switch (pageID) {
    case kInfoPageHelp:
      if (!p.HelpTexts.empty()) {
        s += "<b>" + Text(790) + "</b><p2>";
        for (int32_t slot : p.HelpTexts) s += SlotText(slot) + "<p>";
      }
      if (p.HasBatchVersion) {
        const std::string link = p.ProgWebsite + "-batch-version";
        std::string paragraph = "<b>" + Text(848) + "</b><p2>" + Text(849) + "<p>";
        ReplaceAll(paragraph, "<X>", "<a=" + link + ">" + link + "</a>");
        s += paragraph;
      }
      s += "<b>" + Text(850) + "</b><p2>" + Text(851) + "<p>" + Text(852);
      break;
    case kInfoPageBugReport: s = "<b>" + Text(853) + "</b><p2>" + Text(854) + "<p>" + Text(855); break;
    case kInfoPageDonate: {
      const std::string page = GetURLForLanguage(puDonate, p.Language, {});
      s = "<b>" + Text(824) + "</b><p2><img=" + InfoDonationPictureName(p.Language) + "><p><a=" + page + ">" + page +
          "</a>";
      break;
    }
    case kInfoPageAbout:
      s = "<b>" + Text(826) + "</b><p2>";
      s += "<p>" + Text(859) + " " + p.ProgVersion + "<p>";
      if (!p.InfoThanks.empty()) {
        s += "<br><b>" + Text(860) + "</b><p2>";
        for (const std::string& line : p.InfoThanks) s += line + "<br>";
      }
      break;
    default: break;  // the maker's product and service pages stay empty
  }
  return s;
}
