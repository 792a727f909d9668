// The row filter: which entries the list shows while the filter is on.
#include <memory>

#include "filelist/core/file_list_view_store.h"
#include "foundation/letter_case.h"
#include "foundation/regex.h"

namespace {

// A filter record ready for many entries: its text upper-cased once, its
// expression compiled once.
struct TPreparedFilter {
  const TFileListViewFilterRec* Record;
  std::string Text;
  std::unique_ptr<TRegex> Regex;
};

}  // namespace

int32_t TFileListViewStore::AddFilter(const TFileListViewFilterRec& Filter) {
  FFilters.push_back(Filter);
  return static_cast<int32_t>(FFilters.size()) - 1;
}

void TFileListViewStore::ClearFilters() { FFilters.clear(); }

void TFileListViewStore::RebuildFilteredIndexes() {
  FFilteredIndexes.clear();
  std::vector<TPreparedFilter> filters;
  for (const TFileListViewFilterRec& f : FFilters) {
    TPreparedFilter p{&f, f.Text, nullptr};
    if (f.MatchMode == kFlvFilterRegex) {
      // The expression as given; letter case through the expression's own
      // option, since upper-casing it would turn \w into \W.
      p.Regex = std::make_unique<TRegex>(f.Text, f.IgnoreCase);
    } else if (f.IgnoreCase) {
      p.Text = UTF8UpperCase(f.Text);
    }
    filters.push_back(std::move(p));
  }
  const TFileListViewItemStore& items = FItems;
  for (size_t i = 0; i < items.size(); ++i) {
    bool match = false;
    for (const TPreparedFilter& p : filters) {
      const TFileListViewFilterRec& f = *p.Record;
      if (f.Kind != kFlvFilterKindText) continue;
      std::string_view value;
      if (f.Column == flvColPath) {
        value = items.FileName(i);
      } else {
        size_t part = kAudioTextCount;
        switch (f.Column) {
          case flvColAudioArtist: part = atArtist; break;
          case flvColAudioTitle: part = atTitle; break;
          case flvColAudioAlbum: part = atAlbum; break;
          case flvColAudioYear: part = atYear; break;
          case flvColAudioGenre: part = atGenre; break;
          case flvColAudioComment: part = atComment; break;
          default: break;
        }
        const int32_t a = items.InfoIndex(i, TFileListViewInfoKind::Audio);
        if (part == kAudioTextCount || a < 0 || static_cast<size_t>(a) >= AudioInfos.size()) continue;
        value = AudioInfos.Part(AudioInfos[static_cast<size_t>(a)].Texts, kAudioTextCount, part);
      }
      if (f.MatchMode == kFlvFilterRegex) {
        match = p.Regex->Matches(value);
      } else {
        std::string upper;
        if (f.IgnoreCase) {
          upper = UTF8UpperCase(value);
          value = upper;
        }
        switch (f.MatchMode) {
          case kFlvFilterEqual: match = value == p.Text; break;
          case kFlvFilterContains: match = value.find(p.Text) != std::string_view::npos; break;
          case kFlvFilterBeginsWith: match = value.starts_with(p.Text); break;
          default: break;
        }
      }
      if (match) break;
    }
    if (match) FFilteredIndexes.push_back(static_cast<int32_t>(i));
  }
}

void TFileListViewStore::FilterRefresh() {
  RebuildFilteredIndexes();
  if (FFilterOn) RefreshItemCount();
}
