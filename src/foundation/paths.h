// File names, extensions and folder levels, the application's folder and
// arguments, and byte counts and ratios as text.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/number_format.h"
#include "foundation/types.h"

enum TRatioType : int32_t { ratioTypeAuto, ratioTypeDecimal, ratioTypeInteger };

// --- Extensions and names ("/" and the backslash separate folders) ----------

// The extension compared without any "." and ignoring ASCII case: "txt",
// ".TXT" and "..txt" all match "a.TxT"; a name without extension matches "".
bool FileHasExtension(const std::string& fileName, const std::string& ext);
bool FileHasExtension(const std::string& fileName, const std::string& ext1, const std::string& ext2);
bool FileHasExtension(const std::string& fileName, const std::string& ext1, const std::string& ext2,
                      const std::string& ext3, const std::string& ext4);
// The text after the last "." that follows the last folder separator.
std::string ExtractFileExtWithoutExtensionSeparator(const std::string& fileName);
// "/a/b.tar.gz" -> "b.tar".
std::string ExtractFileNameWithoutPathAndExt(const std::string& fileName);
// "/a/b.tar.gz" -> "b".
std::string ExtractFileNameWithoutPathAndExtEndingAtFirstDotInName(const std::string& fileName);
// name = the file name without its last extension and that "." (folder kept);
// true when the extension is not empty.
bool DivideFileNameAndExtension(const std::string& fileName, std::string& name, std::string& ext);
// Splits at the last "/" into folder (without the "/") and the rest, and the
// rest at its last "." into name and extension. True only when both a "/"
// and a "." after it were found.
bool DividePathFileNameAndExt(const std::string& fileName, std::string& folder, std::string& name, std::string& ext);
// The extension of a format list's line such as "JPG - JPEG-Image": the text
// before the first " - ", without surrounding blanks.
std::string FileFormatExtensionOfText(const std::string& text);
// One folder name of the file's folder path: level 0 is the part before the
// first "/" (empty for an absolute path), -1 the innermost folder.
std::string ExtractFolderNameOfLevel(const std::string& fileName, int32_t level);
// The number of "/" minus one, or 0 when there is none.
int32_t GetFolderLevel(const std::string& path);
// "/", "\", ":", "*", "?", the double quote, ">", "<", "|".
TStrArray FileNameGetDisallowedCharsAsStrArray();
std::string FileNameGetDisallowedCharsAsString(const std::string& separator);
bool FileNameOnlyContainsAllowedChars(const std::string& fileName);
// An existing folder (a trailing "/" is ignored); false for "" or a file.
bool IsFolderAndExists(const std::string& path);

// --- The application and its start -------------------------------------------

// The folder that holds the running executable, with a trailing "/".
std::string ApplicationPath();
std::string ApplicationPathWithPathDelimiter();
// True when the application's folder is named like a ZIP archive ("*.zip").
bool IsExeInZip();
// True when one of the program's arguments equals the text exactly.
bool ParamStrExists(const std::string& text);

// --- Sizes and ratios --------------------------------------------------------

// The byte count in the chosen unit (" Byte", " KB", … with showUnit). With
// decimals above 0 or thousands separators the quotient is formatted with
// that many decimals (bytes always with none); otherwise it is divided in
// whole numbers, truncating.
std::string FileSizeToStr(int64_t bytes, TSizeType unit, int32_t decimals, bool showUnit, bool thousandSeparators,
                          const NumberFormat& fmt = GlobalNumberFormat());
// The unit chosen by the count's number of decimal digits (up to 3 Byte, up
// to 6 KB, …), grouped, 3 decimals except for bytes, suffix always shown.
std::string FileSizeBestUnit(int64_t bytes, const NumberFormat& fmt = GlobalNumberFormat());
// "16:9" for 1920 and 1080; "" when either number is 0.
std::string RatioString(int32_t a, int32_t b, TRatioType type, bool largerFirst, const std::string& separator,
                        const NumberFormat& fmt = GlobalNumberFormat());
