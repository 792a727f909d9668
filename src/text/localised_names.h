// Display names of code pages, line-break kinds and CSV parameters in the
// current user-interface language (fixed technical names mixed with texts
// read from the store at the moment of the call), and joining a word with a
// describing term in a language's word order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string CodePageToStrSpr(int32_t CodePage, bool LongForm);
std::string LineBreakToStrSpr(uint32_t LineBreak, bool LongForm);
// Empty for an identifier without a name.
std::string CsvParamToStrSpr(int32_t CsvParam);

// "DOCX-Datei", "Fichier DOCX", "DOCX文件", "DOCX File" ... for Word "File"
// (in that language) and Descriptor "DOCX".
std::string SprCombineWordWithDescriptor(std::string_view Word, std::string_view Descriptor, uint32_t Language);
