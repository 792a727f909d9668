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
// - a folder that is not absolute lies below the source's folder;
// - with KeepSubDirs, a source below KeepSubDirsBaseDir keeps its sub-folders
//   below a folder pattern that names no source folder itself;
// - values put into the folder, and the whole name and extension, have the
//   characters that file names may not hold replaced when
//   RemoveDisallowedChars is set; "/" never stays in a name.
// "" when the moment is no date-time or no usable file name results (empty,
// "." or "..", or an empty name from a source that has one).
std::string CreateSaveTargetFileName(const TFileNameCreatorObj& creator, TDateTime moment);
