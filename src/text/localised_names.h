// Display names of code pages, line-break kinds and CSV parameters in the
// current user-interface language (fixed technical names mixed with texts
// read from the store at the moment of the call), and joining a word with a
// describing term in a language's word order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string CodePageToStrSpr(int32_t codePage, bool longForm);
std::string LineBreakToStrSpr(uint32_t lineBreak, bool longForm);
// Empty for an identifier without a name.
std::string CsvParamToStrSpr(int32_t csvParam);

// "DOCX-Datei", "DOCX-fil", "Fichier DOCX", "файл DOCX", "DOCX文件", "DOCX File" ... for word "File"
// (in that language) and descriptor "DOCX".
std::string SprCombineWordWithDescriptor(std::string_view word, std::string_view descriptor, uint32_t language);
// A noun that belongs to a named thing, as the language says it: "Syllabrix Settings",
// "Syllabrix-Einstellungen", "Configuración de Syllabrix", "إعدادات Syllabrix" for
// word "Settings" (in that language) and name "Syllabrix".
std::string SprCombineWordWithOwnerName(std::string_view word, std::string_view name, uint32_t language);

// The state of a file in the file list: 0 new, 1 modified, 2 not modified,
// 3 processed; empty for any other status. English for an unknown language.
std::string SprFileStatusText(int32_t status, uint32_t language);
