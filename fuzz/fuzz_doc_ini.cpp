// The INI document on arbitrary text: parsing never fails, writing and
// reading again gives the same text, and every value reads back as stored.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/doc_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  TDocINI ini;
  ini.LoadFromString(text);
  const std::string written = ini.AsString();
  TDocINI again;
  again.LoadFromString(written);
  if (again.AsString() != written) std::abort();

  for (const auto& section : ini.Sections) {
    for (const auto& item : section.Items) {
      std::string s;
      bool b;
      int32_t n;
      ini.ReadStringIfKeyExists(section.Name, item.Key, s);
      ini.ReadBoolean(section.Name, item.Key, false);
      ini.ReadBooleanIfKeyExists(section.Name, item.Key, b);
      ini.ReadIntIfKeyExists(section.Name, item.Key, n);
      size_t bar = item.Key.find('|');
      if (bar != std::string::npos) ini.ReadStrArray2D(section.Name, item.Key.substr(0, bar));
    }
  }
  if (!ini.Sections.empty() && !ini.Sections[0].Items.empty()) {
    ini.DeleteKey(ini.Sections[0].Name, ini.Sections[0].Items[0].Key);
    ini.RebuildLists(0);
    ini.AsString();
  }

  // Any text is a value that reads back unchanged, also after a round trip
  // through the written form.
  TDocINI values;
  values.Add("s", "k", text);
  values.AddStrArray2D("s", "t", {{text, text}, {}, {text}});
  if (values.ReadString("s", "k", "") != text) std::abort();
  TDocINI reread;
  reread.LoadFromString(values.AsString());
  if (reread.ReadString("s", "k", "") != text) std::abort();
  if (reread.ReadStrArray2D("s", "t") != TStrArray2D{{text, text}, {}, {text}}) std::abort();
  return 0;
}
