#include "controls/date_time_format.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsFieldLetter(char c) { return c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's'; }

// Widens every run of the letter to at least two (the year to four) letters.
std::string WidenRuns(const std::string& text, char letter, size_t width) {
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text[i] != letter) {
      out += text[i++];
      continue;
    }
    size_t run = 0;
    while (i < text.size() && text[i] == letter) ++i, ++run;
    out.append(std::max(run, width), letter);
  }
  return out;
}

std::string KeepFields(const std::string& text, const std::string& letters) {
  std::string out;
  for (char c : text) {
    if (std::isalpha(static_cast<unsigned char>(c)) && letters.find(c) == std::string::npos) continue;
    out += c;
  }
  // Separators left behind by a dropped field ("h:mm:ss AP" -> "h:mm:ss ").
  while (!out.empty() && !IsFieldLetter(out.back())) out.pop_back();
  while (!out.empty() && !IsFieldLetter(out.front())) out.erase(out.begin());
  return out;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string BuildDateTimeEditFormat(const std::string& shortDateFormat, const std::string& longTimeFormat) {
  std::string date = KeepFields(Lower(shortDateFormat), "dmy");
  // Day names ("ddd", "dddd") are no digits.
  for (size_t at = date.find("ddd"); at != std::string::npos; at = date.find("ddd")) {
    size_t end = date.find_first_not_of('d', at);
    date.erase(at, (end == std::string::npos ? date.size() : end) - at);
  }
  while (!date.empty() && !IsFieldLetter(date.front())) date.erase(date.begin());
  // Month names are entered as numbers.
  for (size_t at = date.find("mmm"); at != std::string::npos; at = date.find("mmm")) date.erase(at, 1);
  date = WidenRuns(WidenRuns(WidenRuns(date, 'd', 2), 'm', 2), 'y', 4);
  std::string time = Lower(longTimeFormat);
  for (char& c : time) {
    if (c == 'm') c = 'n';
  }
  time = KeepFields(time, "hns");
  time = WidenRuns(WidenRuns(WidenRuns(time, 'h', 2), 'n', 2), 's', 2);
  if (date.empty()) return time;
  if (time.empty()) return date;
  return date + " " + time;
}

std::string DateTimeEditMask(const std::string& format) {
  std::string mask = "!";
  for (char c : Lower(format)) mask += IsFieldLetter(c) ? '9' : c;
  return mask + ";1;_";
}

std::string DateTimeEditQtInputMask(const std::string& format) {
  static const std::string kSpecial = "AaNnXx90Dd#HhBb><!^[]{}\\";
  std::string mask;
  for (char c : Lower(format)) {
    if (IsFieldLetter(c)) {
      mask += '9';
    } else {
      if (kSpecial.find(c) != std::string::npos) mask += '\\';
      mask += c;
    }
  }
  return mask + ";_";
}
