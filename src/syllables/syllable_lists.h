// The built-in syllable lists, one loader per language.
//
// Each loader returns a new array of entry lines "dddd syllable" (four-digit
// frequency, one blank, the syllable): the single letters, then the two-letter
// groups, then the three-letter groups, each block only when its flag is set and
// always in its stored order. The loaders keep no state; every call builds a
// fresh array.
#pragma once

#include "foundation/types.h"

TStrArray LoadListAF(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Afrikaans
TStrArray LoadListBA(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Indonesian
TStrArray LoadListBE(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Belarusian
TStrArray LoadListCA(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Catalan
TStrArray LoadListCE(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Czech
TStrArray LoadListCY(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Welsh
TStrArray LoadListDA(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Danish
TStrArray LoadListDE(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // German
TStrArray LoadListEE(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Estonian
TStrArray LoadListEN(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // English
TStrArray LoadListES(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Esperanto
TStrArray LoadListFI(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Finnish
TStrArray LoadListFJ(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Fijian
TStrArray LoadListFR(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // French
TStrArray LoadListGA(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Galician
TStrArray LoadListGR(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Greek
TStrArray LoadListHE(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Hebrew
TStrArray LoadListHI(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Hindi
TStrArray LoadListHR(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Croatian
TStrArray LoadListID(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Ido
TStrArray LoadListIR(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Irish
TStrArray LoadListIS(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Icelandic
TStrArray LoadListIT(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Italian
TStrArray LoadListKI(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Swahili
TStrArray LoadListLA(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Latin
TStrArray LoadListLV(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Latvian
TStrArray LoadListMA(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Malagasy
TStrArray LoadListMK(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Macedonian
TStrArray LoadListMN(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Mongolian
TStrArray LoadListNL(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Dutch
TStrArray LoadListNO(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Norwegian
TStrArray LoadListPL(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Polish
TStrArray LoadListPO(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Portuguese
TStrArray LoadListRU(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Russian
TStrArray LoadListSE(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Swedish
TStrArray LoadListSP(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Spanish
TStrArray LoadListSQ(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Albanian
TStrArray LoadListTA(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Tagalog
TStrArray LoadListTU(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Turkish
TStrArray LoadListUK(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Ukrainian
TStrArray LoadListVI(bool AddSingle, bool AddDigrams, bool AddTrigrams);  // Vietnamese
