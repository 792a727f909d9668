// Dates as compact digit strings, date parsing in fixed layouts or by a
// letter format, and durations in seconds shown in named or general formats.
#pragma once

#include <cstdint>
#include <string>

// Whole days since 30 December 1899 plus the fraction of the day. Before that
// day the value is negative and the fraction still counts forward from the
// start of the day (-1.25 is 29 December 1899, 06:00).
using TDateTime = double;

// Checked encoders: a year 1-9999, a month 1-12 and a day that exists in that
// month; hours below 24, minutes and seconds below 60, milliseconds below 1000.
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int minute, int second, int millisecond, TDateTime& time);
// The date-time of a date and a time of day, also before 30 December 1899.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);
// The parts of a date-time in years 1-9999; false for any other value.
bool DecodeDateTime(TDateTime value, int& year, int& month, int& day, int& hour, int& minute, int& second,
                    int& millisecond);

// "yyyymmddhhnnss", e.g. "20240131235959"; "" for a value outside years 1-9999.
std::string DateTimeToYYYYMMDDHHMMSSStringWithoutSeparator(TDateTime value);
// Up to 14 digits, padded on the right with "0"; the default when the text is
// longer, holds a non-digit or is no valid date and time.
TDateTime YYYYMMDDHHMMSSStringWithoutSeparatorToDateTime(const std::string& text, TDateTime def);
// "2024-01-31 23:59:59" from "20240131235959" (no date check); "" when unusable.
std::string YYYYMMDDHHMMSSStringWithoutSeparatorToStrWithSeparators(const std::string& text);
// "YYYY?MM?DD" or "YYYY?MM?DD?HH?MM?SS" with any one-character separators; 0 when unusable.
TDateTime YYYYxMMxDDxHHxMMxSSToDateTime(const std::string& text);
// Reads the digit runs of the text as the fields the format names in order
// (y, m, d, h, n, s); the default when they do not fit or form no valid date.
TDateTime StrToDateTimeFormatDef(const std::string& text, const std::string& format, TDateTime def);
// Exactly "YYYY" sep "MM" sep "DD" forming a valid date.
bool IsYYYYMMDDDate(const std::string& text, char separator);

// A duration in one of the twelve named formats ("m:ss", "mm:ss", "h:mm",
// "h:mm:ss", "hh:mm:ss", "H:Mm:ss", "H:mm:ss", "m:ss:vvv", "mm:ss:vvv", "s",
// "v", "m") or by the general format: D/d, H/h, M/m, S/s, V/v tokens with
// literal text between apostrophes ('' is one apostrophe). Upper-case tokens
// at the start drop leading zero units together with the literal after them.
std::string SecondsToTime(double seconds, const std::string& format);
// Hours (not limited to 24), minutes and seconds, each at least two digits.
std::string SecondsToHHxMMxSSTime(int64_t seconds, const std::string& separator);
// Minutes and seconds below one hour, hours, minutes and seconds from there.
std::string SecondsToMMxSSorHHxMMxSSTime(int64_t seconds, const std::string& separator);

// --- Date-times as text --------------------------------------------------------

// The value in a format of the tokens d, m, y, h, n (minutes) and s, each run
// of a letter widened to as many digits ("yy" and "y" give two year digits);
// any other character stands for itself. "" for a value outside years 1-9999.
std::string FormatDateTimeWith(const std::string& format, TDateTime value);
// Fills a pattern in the system locale's syntax (Qt's: d dd M MM yy yyyy h hh
// H HH m mm s ss AP ap, literal text between apostrophes, t dropped) with the
// parts of a date and time.
std::string FormatDateTimePattern(const std::string& pattern, int year, int month, int day, int hour, int minute,
                                  int second);
// The date in the date pattern, a blank and the time in the time pattern; the
// time is left out at exactly midnight. "" outside years 1-9999.
std::string FormatDateAndTime(TDateTime value, const std::string& datePattern, const std::string& timePattern);
// Seconds since 1970 (UTC) as a local date-time; false where the system
// cannot convert them.
bool UnixTimeToLocalDateTime(int64_t seconds, TDateTime& value);
