#include "filelist/core/file_types_spr.h"

#include "foundation/file_types.h"
#include "text/text_store.h"

namespace {

// A slot of the store, or -1 where the store has no text and the English
// text stands instead.
struct TFileTypeName {
  int32_t SingularSlot;
  const char* Singular;
  int32_t PluralSlot;
  const char* Plural;
};

constexpr TFileTypeName kNames[kFileTypeCount] = {
    {255, "", 257, ""},                       // folder
    {576, "", 578, ""},                       // text
    {596, "", 597, ""},                       // image
    {728, "", 729, ""},                       // audio
    {745, "", 746, ""},                       // video
    {590, "", 591, ""},                       // document
    {592, "", 593, ""},                       // spreadsheet
    {585, "", 582, ""},                       // website
    {601, "", 602, ""},                       // font
    {352, "", 353, ""},                       // executable
    {594, "", 595, ""},                       // archive
    {-1, "Playlist", -1, "Playlists"},        // playlist
    {-1, "Source Code", -1, "Source Codes"},  // source code
    {673, "", 673, ""},                       // other
};

std::string Name(int32_t fileType, bool plural) {
  if (fileType < 0 || fileType >= kFileTypeCount) return "";
  const TFileTypeName& n = kNames[fileType];
  const int32_t slot = plural ? n.PluralSlot : n.SingularSlot;
  if (slot < 0) return plural ? n.Plural : n.Singular;
  return SprText(static_cast<StrResGlobal>(slot));
}

}  // namespace

std::string FileTypeToStringSingularSpr(int32_t fileType) { return Name(fileType, false); }
std::string FileTypeToStringPluralSpr(int32_t fileType) { return Name(fileType, true); }
