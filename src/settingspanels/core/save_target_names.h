// The placeholders of the save-target panel's folder and name patterns: their
// language forms, and the target path a pattern gives for one source file.
//
// Tokens: "<keep>" (the source's folder, name or extension, written
// "<beibehalten>", "<preservar>" or "<conserver>" in German, Spanish and
// French), "%folder%" (the source's folder), "%folder1%" (the name of the
// folder that holds it), "%name%" (its name without extension), "%num%" (the
// running number), "%abs%" (the number of files), "%abs0num%" (the running
// number with leading zeros to the width of the number of files), "%yyyy%",
// "%yy%", "%mm%", "%dd%" ("%d%" without a leading zero), "%hh%", "%ii%",
// "%ss%", "%date%" (yyyy-mm-dd) and "%time%" (hh-ii-ss). German shows the
// date tokens as "%jjjj%", "%jj%", "%tt%" and "%t%"; every form is understood
// in every language.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/dates.h"
#include "foundation/file_name_creator.h"

// The pattern as the language shows it: the keep token in the language's
// form, folder tokens always neutral, date tokens in German form for German
// only.
std::string TranslateSaveTargetPlaceholders(const std::string& text, uint32_t language);

// The full target path of the creator's source file (FileNameOld) under its
// folder, name and extension patterns (FolderNew, NameNew, ExtensionNew):
// - an empty folder or name pattern keeps the source's; an empty extension
//   keeps the source's extension, and a given one loses its leading dots and
//   is lower-cased when ExtensionAlwaysLowerCase is set;
// - a folder that is not absolute lies below the source's folder ("/" for
//   a source in the root);
// - with KeepSubDirs, a source below KeepSubDirsBaseDir keeps its sub-folders
//   below a folder pattern that names no source folder itself; both are
//   taken with "." and ".." resolved, so a source that leads out of the base
//   keeps none;
// - values put into the folder, and the whole name and extension, have the
//   characters that file names may not hold replaced when
//   RemoveDisallowedChars is set; "/" never stays in a name;
// - the path stays inside the folder the pattern starts from, whatever the
//   values are: the source's folder given at the start stays as it is, put
//   in elsewhere it has "." and ".." resolved and cannot climb above where
//   it stands;
// - a folder made with values, and the file name, are at most 255 bytes,
//   cut between characters: the file name loses the ends of its values
//   first, then of its own text, and keeps its extension (typed folders and
//   the source's own stay as they are).
// "" when the moment is no date-time, a folder made with values is "." or
// "..", or no usable file name results (empty, "." or "..", or an empty name
// from a source that has one).
std::string CreateSaveTargetFileName(const TFileNameCreatorObj& creator, TDateTime moment);
