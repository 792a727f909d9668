// Numbers of any length written in numeral systems from base 2 to base 62,
// and measurement texts for the document writers.
#pragma once

#include <cstdint>
#include <string>

#include "foundation/types.h"

// Base of a numeral system, 2 to 62.
using TNumeralSystem = uint8_t;

// Digit alphabet: "0"-"9" are 0-9, "A"-"Z" are 10-35, "a"-"z" are 36-61.
// Any other character gives 0.
int32_t CharToInt(char c);
// The symbol of a digit value 0-61; "" for any other value.
std::string IntToChar(int32_t value);

// A non-negative whole number as an array of digits in one base, least
// significant digit first; empty means 0. Digits are kept below the base
// after every Add and Multiply.
class TBigNumber {
 public:
  // Bases outside 2-62 are clamped into that range.
  explicit TBigNumber(TNumeralSystem base);

  // Adds the value of a number text read in the given system. For systems up
  // to 36 letters are read without regard to case. A character outside the
  // alphabet counts as the digit 0; a digit not below the system is still
  // taken at its value. Systems outside 2-62 add nothing.
  void Add(const std::string& text, TNumeralSystem system);
  // Adds the integer to the units digit.
  void Add(int32_t value);
  // Adds digits given in this number's base, least significant first.
  void Add(const TIntArray& digits);
  void Multiply(int32_t factor);
  // Brings every digit into 0 .. base-1 by carrying upwards.
  void RefreshNumber();

  // Most significant digit first; "0" for an empty digit array.
  std::string AsString() const;
  TIntArray AsIntArray() const { return fDigits; }
  TNumeralSystem Base() const { return fBase; }

 private:
  TIntArray fDigits;
  TNumeralSystem fBase;
};

// The number text read in one system, written in another ("" when either
// system lies outside 2-62).
std::string NSNumberToNSNumber(const std::string& number, TNumeralSystem source, TNumeralSystem target);

// The value in its shortest general form (up to 15 significant digits) with
// the given decimal separator, directly followed by the unit: "2.5cm".
std::string CreateUnitString(double value, const std::string& unit, char decimalSeparator);

// Centimetres times 566.928, rounded half to even. Values beyond the 32-bit
// range are clamped to it; NaN gives 0.
int32_t CmToTwips(double cm);
std::string CmToTwipsString(double cm);
