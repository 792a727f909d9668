// Number texts that never depend on the process locale by accident. The Qt
// layer fills the program's NumberFormat from the system locale at start;
// tests set it by hand.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct NumberFormat {
  std::string DecimalSeparator = ".";
  std::string ThousandsSeparator = ",";
};

// The format the program uses where a function takes none.
const NumberFormat& GlobalNumberFormat();
void SetGlobalNumberFormat(const NumberFormat& fmt);

// Whole number as a signed 32-bit integer conversion accepts it in full:
// optional blanks/tabs, optional sign, decimal digits, value in range.
// No prefixes ("$", "0x", "%", "&"), no trailing characters.
bool TryStrToInt(std::string_view text, int32_t& value);
int32_t StrToIntDef(std::string_view text, int32_t def);
bool TryStrToInt64(std::string_view text, int64_t& value);
int64_t StrToInt64Def(std::string_view text, int64_t def);

// Decimal number with the given decimal separator (and no thousands
// separators): optional blanks, sign, digits, separator, digits, exponent.
bool TryStrToFloat(std::string_view text, const NumberFormat& fmt, double& value);

// Fixed notation with the given number of decimals; half to even on the
// exact binary value. Grouped adds the thousands separator.
std::string FormatFloatFixed(double value, int decimals, const NumberFormat& fmt, bool grouped = false);
// At most 15 significant digits without trailing zeros ("0.3" for 0.1 + 0.2,
// "2.5"), with the format's decimal separator; very large or small values in
// exponent form ("1E20", "1E-7"); "Nan", "+Inf", "-Inf".
std::string FormatFloatGeneral(double value, const NumberFormat& fmt);
std::string IntToStr(int64_t value);
std::string IntToStrGrouped(int64_t value, const NumberFormat& fmt);
