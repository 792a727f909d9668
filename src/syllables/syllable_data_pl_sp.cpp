// clang-format off
// Built-in syllable lists: Polish (pl), Portuguese (po), Russian (ru), Swedish (se), Spanish (sp).
//
// Data only, generated once from the language tables and checked against their
// entry counts, frequency sums and syllable lengths. Bytes outside ASCII are written
// as escapes so that no editor can normalise or swap look-alike letters; the
// comment after each entry shows it as text. Blocks keep their stored order,
// which is not always code-point order.

#include <iterator>

#include "syllables/syllable_blocks.h"
#include "syllables/syllable_lists.h"

namespace {

const char* const kPLSingle[] = {
    "0837 A",
    "0193 B",
    "0389 C",
    "0335 D",
    "0868 E",
    "0026 F",
    "0146 G",
    "0125 H",
    "0883 I",
    "0228 J",
    "0301 K",
    "0224 L",
    "0281 M",
    "0569 N",
    "0753 O",
    "0287 P",
    "0415 R",
    "0413 S",
    "0385 T",
    "0206 U",
    "0411 W",
    "0403 Y",
    "0533 Z",
    "0079 \xC3\x93",                          // 0079 Ó
    "0079 \xC4\x84",                          // 0079 Ą
    "0060 \xC4\x86",                          // 0060 Ć
    "0113 \xC4\x98",                          // 0113 Ę
    "0238 \xC5\x81",                          // 0238 Ł
    "0016 \xC5\x83",                          // 0016 Ń
    "0072 \xC5\x9A",                          // 0072 Ś
    "0008 \xC5\xB9",                          // 0008 Ź
    "0093 \xC5\xBB",                          // 0093 Ż
};

const char* const kPLDigrams[] = {
    "0093 AN",
    "0094 A\xC5\x81",                         // 0094 AŁ
    "0079 BY",
    "0130 CH",
    "0085 CI",
    "0121 CZ",
    "0076 DO",
    "0098 DZ",
    "0078 ER",
    "0101 IA",
    "0369 IE",
    "0085 JE",
    "0076 KO",
    "0126 NA",
    "0263 NI",
    "0075 ON",
    "0101 OW",
    "0128 PO",
    "0091 PR",
    "0100 RA",
    "0081 RO",
    "0109 RZ",
    "0127 ST",
    "0097 SZ",
    "0086 TA",
    "0108 WI",
    "0083 ZA",
    "0120 ZE",
    "0082 ZI",
    "0093 ZY",
};

const char* const kPLTrigrams[] = {
    "0036 ACH",
    "0033 ALE",
    "0041 ANI",
    "0055 BY\xC5\x81",                        // 0055 BYŁ
    "0032 CIE",
    "0032 CZE",
    "0034 CZY",
    "0092 DZI",
    "0049 EGO",
    "0039 ENI",
    "0035 ERA",
    "0036 EST",
    "0047 IA\xC5\x81",                        // 0047 IAŁ
    "0035 IED",
    "0032 IEJ",
    "0031 JAK",
    "0036 JES",
    "0035 KIE",
    "0042 NIA",
    "0192 NIE",
    "0031 OST",
    "0039 OWA",
    "0035 OWI",
    "0035 POW",
    "0065 PRZ",
    "0071 RZE",
    "0041 RZY",
    "0046 SI\xC4\x98",                        // 0046 SIĘ
    "0046 STA",
    "0066 WIE",
    "0040 YCH",
    "0046 ZIE",
    "0036 \xC5\x9A" "CI",                     // 0036 ŚCI
};

const char* const kPOSingle[] = {
    "1221 A",
    "0101 B",
    "0335 C",
    "0421 D",
    "1319 E",
    "0107 F",
    "0108 G",
    "0122 H",
    "0549 I",
    "0030 J",
    "0013 K",
    "0300 L",
    "0507 M",
    "0502 N",
    "1022 O",
    "0301 P",
    "0110 Q",
    "0673 R",
    "0735 S",
    "0507 T",
    "0446 U",
    "0172 V",
    "0005 W",
    "0028 X",
    "0004 Y",
    "0045 Z",
    "0004 \xC3\x80",                          // 0004 À
    "0041 \xC3\x81",                          // 0041 Á
    "0003 \xC3\x82",                          // 0003 Â
    "0083 \xC3\x83",                          // 0083 Ã
    "0040 \xC3\x87",                          // 0040 Ç
    "0052 \xC3\x89",                          // 0052 É
    "0036 \xC3\x8A",                          // 0036 Ê
    "0018 \xC3\x8D",                          // 0018 Í
    "0017 \xC3\x93",                          // 0017 Ó
    "0001 \xC3\x94",                          // 0001 Ô
    "0004 \xC3\x95",                          // 0004 Õ
    "0011 \xC3\x9A",                          // 0011 Ú
};

const char* const kPODigrams[] = {
    "0210 RA",
    "0197 EN",
    "0197 DE",
    "0192 AR",
    "0191 ES",
    "0191 ER",
    "0186 NT",
    "0182 TE",
    "0157 DO",
    "0155 OS",
    "0151 AS",
    "0146 CO",
    "0141 QU",
    "0140 SE",
    "0131 RE",
    "0127 TA",
    "0126 MA",
    "0125 TO",
    "0122 ME",
    "0120 PA",
    "0120 EL",
    "0116 OR",
    "0110 UE",
    "0110 EM",
    "0101 DA",
    "0101 \xC3\x83O",                         // 0101 ÃO
    "0101 AN",
    "0101 AD",
    "0094 IN",
    "0093 ST",
    "0089 PO",
    "0087 UM",
    "0086 AL",
    "0085 VE",
    "0083 RI",
    "0083 AM",
    "0082 OM",
    "0079 SA",
    "0078 LE",
    "0077 CA",
    "0075 TI",
};

const char* const kPOTrigrams[] = {
    "0033 ADA",
    "0071 ADO",
    "0037 AME",
    "0032 AND",
    "0045 ANT",
    "0090 ARA",
    "0087 COM",
    "0042 CON",
    "0032 DOS",
    "0034 ELA",
    "0068 ELE",
    "0154 ENT",
    "0047 ERA",
    "0032 ERI",
    "0073 EST",
    "0030 IDA",
    "0036 INH",
    "0031 ITO",
    "0035 MAS",
    "0089 MEN",
    "0030 NDO",
    "0038 NHA",
    "0128 NTE",
    "0045 NTO",
    "0052 N\xC3\x83O",                        // 0052 NÃO
    "0044 OC\xC3\x8A",                        // 0044 OCÊ
    "0113 PAR",
    "0035 PER",
    "0036 POR",
    "0031 QUA",
    "0141 QUE",
    "0032 RES",
    "0039 RIA",
    "0038 SEU",
    "0045 STA",
    "0034 TOS",
    "0047 UMA",
    "0040 VER",
    "0045 VOC",
};

const char* const kRUSingle[] = {
    "0764 \xD0\x90",                          // 0764 А
    "0201 \xD0\x91",                          // 0201 Б
    "0438 \xD0\x92",                          // 0438 В
    "0172 \xD0\x93",                          // 0172 Г
    "0309 \xD0\x94",                          // 0309 Д
    "0875 \xD0\x95",                          // 0875 Е
    "0101 \xD0\x96",                          // 0101 Ж
    "0148 \xD0\x97",                          // 0148 З
    "0709 \xD0\x98",                          // 0709 И
    "0121 \xD0\x99",                          // 0121 Й
    "0330 \xD0\x9A",                          // 0330 К
    "0496 \xD0\x9B",                          // 0496 Л
    "0317 \xD0\x9C",                          // 0317 М
    "0678 \xD0\x9D",                          // 0678 Н
    "1118 \xD0\x9E",                          // 1118 О
    "0247 \xD0\x9F",                          // 0247 П
    "0423 \xD0\xA0",                          // 0423 Р
    "0497 \xD0\xA1",                          // 0497 С
    "0609 \xD0\xA2",                          // 0609 Т
    "0222 \xD0\xA3",                          // 0222 У
    "0021 \xD0\xA4",                          // 0021 Ф
    "0095 \xD0\xA5",                          // 0095 Х
    "0039 \xD0\xA6",                          // 0039 Ц
    "0140 \xD0\xA7",                          // 0140 Ч
    "0072 \xD0\xA8",                          // 0072 Ш
    "0030 \xD0\xA9",                          // 0030 Щ
    "0002 \xD0\xAA",                          // 0002 Ъ
    "0236 \xD0\xAB",                          // 0236 Ы
    "0184 \xD0\xAC",                          // 0184 Ь
    "0036 \xD0\xAD",                          // 0036 Э
    "0047 \xD0\xAE",                          // 0047 Ю
    "0196 \xD0\xAF",                          // 0196 Я
};

const char* const kRUDigrams[] = {
    "0097 \xD0\x90\xD0\x9B",                  // 0097 АЛ
    "0080 \xD0\x90\xD0\x9D",                  // 0080 АН
    "0085 \xD0\x91\xD0\xAB",                  // 0085 БЫ
    "0077 \xD0\x92\xD0\x95",                  // 0077 ВЕ
    "0089 \xD0\x92\xD0\x9E",                  // 0089 ВО
    "0099 \xD0\x93\xD0\x9E",                  // 0099 ГО
    "0077 \xD0\x94\xD0\x95",                  // 0077 ДЕ
    "0084 \xD0\x95\xD0\x9B",                  // 0084 ЕЛ
    "0122 \xD0\x95\xD0\x9D",                  // 0122 ЕН
    "0100 \xD0\x95\xD0\xA0",                  // 0100 ЕР
    "0082 \xD0\x95\xD0\xA2",                  // 0082 ЕТ
    "0087 \xD0\x9A\xD0\x90",                  // 0087 КА
    "0125 \xD0\x9A\xD0\x9E",                  // 0125 КО
    "0080 \xD0\x9B\xD0\x90",                  // 0080 ЛА
    "0112 \xD0\x9B\xD0\x98",                  // 0112 ЛИ
    "0076 \xD0\x9B\xD0\x9E",                  // 0076 ЛО
    "0076 \xD0\x9B\xD0\xAC",                  // 0076 ЛЬ
    "0142 \xD0\x9D\xD0\x90",                  // 0142 НА
    "0123 \xD0\x9D\xD0\x95",                  // 0123 НЕ
    "0125 \xD0\x9D\xD0\x98",                  // 0125 НИ
    "0146 \xD0\x9D\xD0\x9E",                  // 0146 НО
    "0093 \xD0\x9E\xD0\x92",                  // 0093 ОВ
    "0099 \xD0\x9E\xD0\x9B",                  // 0099 ОЛ
    "0106 \xD0\x9E\xD0\x9D",                  // 0106 ОН
    "0079 \xD0\x9E\xD0\xA0",                  // 0079 ОР
    "0082 \xD0\x9E\xD0\xA1",                  // 0082 ОС
    "0093 \xD0\x9E\xD0\xA2",                  // 0093 ОТ
    "0116 \xD0\x9F\xD0\x9E",                  // 0116 ПО
    "0087 \xD0\x9F\xD0\xA0",                  // 0087 ПР
    "0113 \xD0\xA0\xD0\x90",                  // 0113 РА
    "0089 \xD0\xA0\xD0\x95",                  // 0089 РЕ
    "0100 \xD0\xA0\xD0\x9E",                  // 0100 РО
    "0155 \xD0\xA1\xD0\xA2",                  // 0155 СТ
    "0087 \xD0\xA2\xD0\x90",                  // 0087 ТА
    "0075 \xD0\xA2\xD0\x95",                  // 0075 ТЕ
    "0172 \xD0\xA2\xD0\x9E",                  // 0172 ТО
    "0089 \xD0\xA2\xD0\xAC",                  // 0089 ТЬ
};

const char* const kRUTrigrams[] = {
    "0042 \xD0\x90\xD0\xA2\xD0\xAC",          // 0042 АТЬ
    "0066 \xD0\x91\xD0\xAB\xD0\x9B",          // 0066 БЫЛ
    "0038 \xD0\x92\xD0\x95\xD0\xA0",          // 0038 ВЕР
    "0042 \xD0\x95\xD0\x93\xD0\x9E",          // 0042 ЕГО
    "0046 \xD0\x95\xD0\x9D\xD0\x98",          // 0046 ЕНИ
    "0032 \xD0\x95\xD0\x9D\xD0\x9D",          // 0032 ЕНН
    "0034 \xD0\x95\xD0\xA1\xD0\xA2",          // 0034 ЕСТ
    "0030 \xD0\x9A\xD0\x90\xD0\x9A",          // 0030 КАК
    "0031 \xD0\x9B\xD0\xAC\xD0\x9D",          // 0031 ЛЬН
    "0031 \xD0\x9E\xD0\x92\xD0\x90",          // 0031 ОВА
    "0037 \xD0\x9E\xD0\x93\xD0\x9E",          // 0037 ОГО
    "0043 \xD0\x9E\xD0\x9B\xD0\xAC",          // 0043 ОЛЬ
    "0030 \xD0\x9E\xD0\xA0\xD0\x9E",          // 0030 ОРО
    "0045 \xD0\x9E\xD0\xA1\xD0\xA2",          // 0045 ОСТ
    "0033 \xD0\x9E\xD0\xA2\xD0\x9E",          // 0033 ОТО
    "0035 \xD0\x9F\xD0\xA0\xD0\x98",          // 0035 ПРИ
    "0038 \xD0\x9F\xD0\xA0\xD0\x9E",          // 0038 ПРО
    "0035 \xD0\xA1\xD0\xA2\xD0\x90",          // 0035 СТА
    "0038 \xD0\xA1\xD0\xA2\xD0\x92",          // 0038 СТВ
    "0034 \xD0\xA2\xD0\x9E\xD0\xA0",          // 0034 ТОР
    "0058 \xD0\xA7\xD0\xA2\xD0\x9E",          // 0058 ЧТО
    "0036 \xD0\xAD\xD0\xA2\xD0\x9E",          // 0036 ЭТО
};

const char* const kSESingle[] = {
    "1004 A",
    "0131 B",
    "0171 C",
    "0490 D",
    "0985 E",
    "0181 F",
    "0344 G",
    "0285 H",
    "0501 I",
    "0090 J",
    "0324 K",
    "0481 L",
    "0355 M",
    "0845 N",
    "0406 O",
    "0157 P",
    "0001 Q",
    "0788 R",
    "0532 S",
    "0889 T",
    "0186 U",
    "0255 V",
    "0011 X",
    "0049 Y",
    "0004 Z",
    "0210 \xC3\x84",                          // 0210 Ä
    "0166 \xC3\x85",                          // 0166 Å
    "0150 \xC3\x96",                          // 0150 Ö
};

const char* const kSEDigrams[] = {
    "0080 AD",
    "0194 AN",
    "0213 AR",
    "0127 AT",
    "0127 CH",
    "0297 DE",
    "0298 EN",
    "0220 ER",
    "0170 ET",
    "0084 F\xC3\x96",                         // 0084 FÖ
    "0075 GE",
    "0091 HA",
    "0098 IG",
    "0164 IN",
    "0095 KA",
    "0079 LA",
    "0075 LI",
    "0135 LL",
    "0094 ME",
    "0085 NA",
    "0096 ND",
    "0093 NG",
    "0119 OC",
    "0109 OM",
    "0080 OR",
    "0150 RA",
    "0087 RE",
    "0076 SK",
    "0121 ST",
    "0117 TA",
    "0151 TE",
    "0099 TI",
    "0176 TT",
    "0101 VA",
    "0094 \xC3\x84R",                         // 0094 ÄR
    "0114 \xC3\x96R",                         // 0114 ÖR
};

const char* const kSETrigrams[] = {
    "0080 ADE",
    "0037 ALL",
    "0053 AND",
    "0040 ANS",
    "0045 ARA",
    "0121 ATT",
    "0059 DEN",
    "0038 DER",
    "0102 DET",
    "0055 ERA",
    "0050 ETT",
    "0105 F\xC3\x96R",                        // 0105 FÖR
    "0057 GEN",
    "0051 HAN",
    "0069 ILL",
    "0069 ING",
    "0052 INT",
    "0055 JAG",
    "0033 KAN",
    "0051 LIG",
    "0030 LLA",
    "0048 LLE",
    "0052 MED",
    "0037 MEN",
    "0066 NDE",
    "0032 NGE",
    "0033 NIN",
    "0030 NNE",
    "0055 NTE",
    "0138 OCH",
    "0030 SAM",
    "0055 SOM",
    "0035 STA",
    "0032 STE",
    "0063 TER",
    "0052 TIL",
    "0040 TTA",
    "0095 VAR",
    "0051 VER",
};

const char* const kSPSingle[] = {
    "1172 A",
    "0149 B",
    "0387 C",
    "0467 D",
    "1372 E",
    "0069 F",
    "0100 G",
    "0118 H",
    "0528 I",
    "0052 J",
    "0011 K",
    "0524 L",
    "0308 M",
    "0683 N",
    "0844 O",
    "0289 P",
    "0111 Q",
    "0641 R",
    "0720 S",
    "0460 T",
    "0455 U",
    "0105 V",
    "0004 W",
    "0014 X",
    "0109 Y",
    "0047 Z",
    "0044 \xC3\x81",                          // 0044 Á
    "0036 \xC3\x89",                          // 0036 É
    "0070 \xC3\x8D",                          // 0070 Í
    "0017 \xC3\x91",                          // 0017 Ñ
    "0076 \xC3\x93",                          // 0076 Ó
    "0012 \xC3\x9A",                          // 0012 Ú
    "0002 \xC3\x9C",                          // 0002 Ü
};

const char* const kSPDigrams[] = {
    "0102 AD",
    "0091 AL",
    "0115 AN",
    "0154 AR",
    "0128 AS",
    "0098 CI",
    "0131 CO",
    "0277 DE",
    "0135 DO",
    "0140 EL",
    "0301 EN",
    "0225 ER",
    "0220 ES",
    "0101 IE",
    "0077 IN",
    "0191 LA",
    "0110 LO",
    "0080 ME",
    "0088 NA",
    "0082 NO",
    "0168 NT",
    "0115 ON",
    "0104 OR",
    "0173 OS",
    "0088 PA",
    "0144 QU",
    "0183 RA",
    "0129 RE",
    "0085 RO",
    "0099 SE",
    "0109 ST",
    "0138 TA",
    "0155 TE",
    "0111 TO",
    "0203 UE",
    "0107 UN",
};

const char* const kSPTrigrams[] = {
    "0038 ACI",
    "0030 ADA",
    "0071 ADO",
    "0045 ANT",
    "0050 ARA",
    "0039 CI\xC3\x93",                        // 0039 CIÓ
    "0037 COM",
    "0085 CON",
    "0033 DES",
    "0033 DOS",
    "0138 ENT",
    "0064 ERA",
    "0044 ERO",
    "0083 EST",
    "0030 IDO",
    "0061 IEN",
    "0034 IER",
    "0046 I\xC3\x93N",                        // 0046 IÓN
    "0037 LAS",
    "0067 LOS",
    "0060 MEN",
    "0107 NTE",
    "0044 NTO",
    "0069 PAR",
    "0053 PER",
    "0047 POR",
    "0166 QUE",
    "0035 RES",
    "0050 STA",
    "0036 STE",
    "0034 TEN",
    "0045 TRA",
    "0047 UNA",
    "0033 VER",
};

}  // namespace

TStrArray LoadListPL(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kPLSingle, std::size(kPLSingle)},
                              {kPLDigrams, std::size(kPLDigrams)},
                              {kPLTrigrams, std::size(kPLTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListPO(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kPOSingle, std::size(kPOSingle)},
                              {kPODigrams, std::size(kPODigrams)},
                              {kPOTrigrams, std::size(kPOTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListRU(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kRUSingle, std::size(kRUSingle)},
                              {kRUDigrams, std::size(kRUDigrams)},
                              {kRUTrigrams, std::size(kRUTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListSE(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kSESingle, std::size(kSESingle)},
                              {kSEDigrams, std::size(kSEDigrams)},
                              {kSETrigrams, std::size(kSETrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListSP(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kSPSingle, std::size(kSPSingle)},
                              {kSPDigrams, std::size(kSPDigrams)},
                              {kSPTrigrams, std::size(kSPTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}
