// clang-format off
// Built-in syllable lists: Afrikaans (af), Indonesian (ba), Belarusian (be), Catalan (ca), Czech (ce).
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

const char* const kAFSingle[] = {
    "0794 A",
    "0160 B",
    "0030 C",
    "0576 D",
    "1780 E",
    "0080 F",
    "0358 G",
    "0169 H",
    "0844 I",
    "0032 J",
    "0307 K",
    "0403 L",
    "0218 M",
    "0807 N",
    "0588 O",
    "0148 P",
    "0001 Q",
    "0652 R",
    "0689 S",
    "0574 T",
    "0226 U",
    "0227 V",
    "0187 W",
    "0002 X",
    "0099 Y",
    "0004 Z",
    "0001 \xC3\x88",                          // 0001 È
    "0005 \xC3\x89",                          // 0005 É
    "0008 \xC3\x8A",                          // 0008 Ê
    "0018 \xC3\x8B",                          // 0018 Ë
    "0001 \xC3\x8E",                          // 0001 Î
    "0002 \xC3\x8F",                          // 0002 Ï
    "0001 \xC3\x94",                          // 0001 Ô
    "0001 \xC3\x9B",                          // 0001 Û
};

const char* const kAFDigrams[] = {
    "0149 AA",
    "0270 AN",
    "0095 AR",
    "0083 AS",
    "0084 AT",
    "0082 BE",
    "0181 DE",
    "0289 DI",
    "0131 EE",
    "0136 EL",
    "0234 EN",
    "0316 ER",
    "0135 ES",
    "0129 ET",
    "0181 GE",
    "0100 HE",
    "0390 IE",
    "0207 IN",
    "0088 IS",
    "0076 KE",
    "0090 LE",
    "0079 LI",
    "0079 ME",
    "0109 ND",
    "0101 NG",
    "0096 ON",
    "0117 OO",
    "0102 OR",
    "0091 RE",
    "0141 SE",
    "0129 ST",
    "0190 TE",
    "0119 VA",
    "0076 WA",
    "0078 WE",
};

const char* const kAFTrigrams[] = {
    "0062 AAN",
    "0062 AAR",
    "0066 AND",
    "0057 DER",
    "0318 DIE",
    "0033 EDE",
    "0030 EEN",
    "0052 EER",
    "0031 ENS",
    "0067 ERS",
    "0038 ESE",
    "0032 EST",
    "0032 EUR",
    "0033 GES",
    "0085 HET",
    "0044 IES",
    "0094 ING",
    "0048 LAN",
    "0040 LIK",
    "0030 LLE",
    "0033 MET",
    "0069 NDE",
    "0034 NIE",
    "0065 OOR",
    "0040 ORD",
    "0037 SIE",
    "0040 STA",
    "0077 STE",
    "0054 TER",
    "0043 UIT",
    "0132 VAN",
    "0071 VER",
    "0042 WAT",
};

const char* const kBASingle[] = {
    "2039 A",
    "0264 B",
    "0076 C",
    "0500 D",
    "0828 E",
    "0021 F",
    "0366 G",
    "0274 H",
    "0798 I",
    "0087 J",
    "0514 K",
    "0326 L",
    "0421 M",
    "0933 N",
    "0126 O",
    "0261 P",
    "0001 Q",
    "0464 R",
    "0415 S",
    "0558 T",
    "0462 U",
    "0018 V",
    "0048 W",
    "0003 X",
    "0188 Y",
    "0004 Z",
    "0001 \xC3\x89",                          // 0001 É
};

const char* const kBADigrams[] = {
    "0145 AH",
    "0170 AK",
    "0120 AL",
    "0099 AM",
    "0624 AN",
    "0084 AP",
    "0168 AR",
    "0169 AT",
    "0110 BA",
    "0114 BE",
    "0321 DA",
    "0172 DI",
    "0095 EL",
    "0098 EM",
    "0202 EN",
    "0238 ER",
    "0132 GA",
    "0092 HA",
    "0094 IA",
    "0077 IK",
    "0140 IN",
    "0241 KA",
    "0094 KE",
    "0180 LA",
    "0104 MA",
    "0178 ME",
    "0086 NA",
    "0075 ND",
    "0310 NG",
    "0080 NT",
    "0128 PA",
    "0078 PE",
    "0122 RA",
    "0089 RI",
    "0152 SA",
    "0147 SE",
    "0155 TA",
    "0113 TE",
    "0111 TI",
    "0123 TU",
    "0079 UK",
    "0100 UN",
    "0206 YA",
};

const char* const kBATrigrams[] = {
    "0069 ADA",
    "0067 AKA",
    "0079 ALA",
    "0035 AMA",
    "0033 ANA",
    "0058 AND",
    "0210 ANG",
    "0039 ANY",
    "0058 APA",
    "0051 ARA",
    "0057 ARI",
    "0057 ATA",
    "0032 ATU",
    "0084 AYA",
    "0032 BAH",
    "0086 BER",
    "0054 DAK",
    "0044 DAL",
    "0118 DAN",
    "0040 DAR",
    "0048 DEN",
    "0057 DIA",
    "0055 EKA",
    "0065 ELA",
    "0036 EMB",
    "0046 ENA",
    "0087 ENG",
    "0054 ERA",
    "0047 ERE",
    "0032 ERT",
    "0072 GAN",
    "0032 HAN",
    "0032 HAR",
    "0054 IDA",
    "0038 IKA",
    "0069 ING",
    "0034 INI",
    "0129 KAN",
    "0064 LAH",
    "0040 LAM",
    "0035 LAN",
    "0052 MEM",
    "0091 MEN",
    "0049 MER",
    "0068 NDA",
    "0100 NGA",
    "0036 NGG",
    "0065 NTU",
    "0083 NYA",
    "0048 PAT",
    "0061 PER",
    "0042 RAN",
    "0038 REK",
    "0071 SAY",
    "0045 TAN",
    "0034 TEL",
    "0047 TER",
    "0055 TID",
    "0054 TUK",
    "0055 UNT",
    "0095 YAN",
};

const char* const kBESingle[] = {
    "1638 \xD0\x90",                          // 1638 А
    "0159 \xD0\x91",                          // 0159 Б
    "0313 \xD0\x92",                          // 0313 В
    "0210 \xD0\x93",                          // 0210 Г
    "0329 \xD0\x94",                          // 0329 Д
    "0367 \xD0\x95",                          // 0367 Е
    "0031 \xD0\x81",                          // 0031 Ё
    "0056 \xD0\x96",                          // 0056 Ж
    "0235 \xD0\x97",                          // 0235 З
    "0579 \xD0\x86",                          // 0579 І
    "0122 \xD0\x99",                          // 0122 Й
    "0400 \xD0\x9A",                          // 0400 К
    "0380 \xD0\x9B",                          // 0380 Л
    "0310 \xD0\x9C",                          // 0310 М
    "0691 \xD0\x9D",                          // 0691 Н
    "0304 \xD0\x9E",                          // 0304 О
    "0292 \xD0\x9F",                          // 0292 П
    "0531 \xD0\xA0",                          // 0531 Р
    "0471 \xD0\xA1",                          // 0471 С
    "0340 \xD0\xA2",                          // 0340 Т
    "0281 \xD0\xA3",                          // 0281 У
    "0236 \xD0\x8E",                          // 0236 Ў
    "0038 \xD0\xA4",                          // 0038 Ф
    "0113 \xD0\xA5",                          // 0113 Х
    "0204 \xD0\xA6",                          // 0204 Ц
    "0129 \xD0\xA7",                          // 0129 Ч
    "0082 \xD0\xA8",                          // 0082 Ш
    "0442 \xD0\xAB",                          // 0442 Ы
    "0096 \xD0\xAC",                          // 0096 Ь
    "0124 \xD0\xAD",                          // 0124 Э
    "0054 \xD0\xAE",                          // 0054 Ю
    "0339 \xD0\xAF",                          // 0339 Я
};

const char* const kBEDigrams[] = {
    "0102 \xD0\x90\xD0\x8E",                  // 0102 АЎ
    "0103 \xD0\x90\xD0\x92",                  // 0103 АВ
    "0075 \xD0\x90\xD0\x93",                  // 0075 АГ
    "0134 \xD0\x90\xD0\x94",                  // 0134 АД
    "0077 \xD0\x90\xD0\x99",                  // 0077 АЙ
    "0138 \xD0\x90\xD0\x9B",                  // 0138 АЛ
    "0104 \xD0\x90\xD0\x9C",                  // 0104 АМ
    "0149 \xD0\x90\xD0\x9D",                  // 0149 АН
    "0135 \xD0\x90\xD0\xA0",                  // 0135 АР
    "0132 \xD0\x90\xD0\xA1",                  // 0132 АС
    "0159 \xD0\x92\xD0\x90",                  // 0159 ВА
    "0089 \xD0\x93\xD0\x90",                  // 0089 ГА
    "0097 \xD0\x94\xD0\x90",                  // 0097 ДА
    "0071 \xD0\x94\xD0\x97",                  // 0071 ДЗ
    "0069 \xD0\x95\xD0\x9D",                  // 0069 ЕН
    "0082 \xD0\x95\xD0\xA0",                  // 0082 ЕР
    "0092 \xD0\x9A\xD0\x86",                  // 0092 КІ
    "0189 \xD0\x9A\xD0\x90",                  // 0189 КА
    "0106 \xD0\x9B\xD0\x86",                  // 0106 ЛІ
    "0100 \xD0\x9B\xD0\x90",                  // 0100 ЛА
    "0084 \xD0\x9C\xD0\x90",                  // 0084 МА
    "0089 \xD0\x9D\xD0\x86",                  // 0089 НІ
    "0239 \xD0\x9D\xD0\x90",                  // 0239 НА
    "0079 \xD0\x9D\xD0\x95",                  // 0079 НЕ
    "0068 \xD0\x9D\xD0\x9D",                  // 0068 НН
    "0092 \xD0\x9D\xD0\xAB",                  // 0092 НЫ
    "0142 \xD0\x9F\xD0\x90",                  // 0142 ПА
    "0084 \xD0\x9F\xD0\xA0",                  // 0084 ПР
    "0242 \xD0\xA0\xD0\x90",                  // 0242 РА
    "0111 \xD0\xA0\xD0\xAB",                  // 0111 РЫ
    "0090 \xD0\xA1\xD0\x9A",                  // 0090 СК
    "0110 \xD0\xA1\xD0\xA2",                  // 0110 СТ
    "0136 \xD0\xA2\xD0\x90",                  // 0136 ТА
};

const char* const kBETrigrams[] = {
    "0059 \xD0\x90\xD0\x92\xD0\x90",          // 0059 АВА
    "0058 \xD0\x90\xD0\x93\xD0\x90",          // 0058 АГА
    "0026 \xD0\x90\xD0\x94\xD0\x90",          // 0026 АДА
    "0041 \xD0\x90\xD0\x9B\xD0\x86",          // 0041 АЛІ
    "0036 \xD0\x90\xD0\x9B\xD0\x90",          // 0036 АЛА
    "0025 \xD0\x90\xD0\x9C\xD0\x90",          // 0025 АМА
    "0030 \xD0\x90\xD0\x9D\xD0\x90",          // 0030 АНА
    "0034 \xD0\x90\xD0\x9D\xD0\x9D",          // 0034 АНН
    "0040 \xD0\x90\xD0\xA0\xD0\x90",          // 0040 АРА
    "0028 \xD0\x90\xD0\xA1\xD0\xA2",          // 0028 АСТ
    "0027 \xD0\x90\xD0\xA1\xD0\xA6",          // 0027 АСЦ
    "0029 \xD0\x92\xD0\x90\xD0\x9D",          // 0029 ВАН
    "0041 \xD0\x94\xD0\x97\xD0\x95",          // 0041 ДЗЕ
    "0036 \xD0\x95\xD0\xA0\xD0\x90",          // 0036 ЕРА
    "0028 \xD0\x9B\xD0\xAC\xD0\x9D",          // 0028 ЛЬН
    "0032 \xD0\x86\xD0\x9A\xD0\x90",          // 0032 ІКА
    "0027 \xD0\x9D\xD0\x86\xD0\x9A",          // 0027 НІК
    "0025 \xD0\x9D\xD0\x90\xD0\x99",          // 0025 НАЙ
    "0025 \xD0\x9D\xD0\x90\xD0\xA1",          // 0025 НАС
    "0026 \xD0\x9D\xD0\x9D\xD0\x95",          // 0026 ННЕ
    "0028 \xD0\x9D\xD0\x9D\xD0\xAF",          // 0028 ННЯ
    "0029 \xD0\x9F\xD0\x90\xD0\x94",          // 0029 ПАД
    "0043 \xD0\x9F\xD0\x95\xD0\xA0",          // 0043 ПЕР
    "0059 \xD0\x9F\xD0\xA0\xD0\x90",          // 0059 ПРА
    "0033 \xD0\x9F\xD0\xA0\xD0\xAB",          // 0033 ПРЫ
    "0028 \xD0\xA0\xD0\x90\xD0\x94",          // 0028 РАД
    "0050 \xD0\xA1\xD0\x9A\xD0\x90",          // 0050 СКА
    "0051 \xD0\xA1\xD0\xA2\xD0\x90",          // 0051 СТА
    "0033 \xD0\xA1\xD0\x9A\xD0\x86",          // 0033 СКІ
};

const char* const kCASingle[] = {
    "1304 A",
    "0148 B",
    "0324 C",
    "0336 D",
    "1318 E",
    "0082 F",
    "0124 G",
    "0082 H",
    "0626 I",
    "0039 J",
    "0011 K",
    "0641 L",
    "0349 M",
    "0620 N",
    "0470 O",
    "0293 P",
    "0127 Q",
    "0712 R",
    "0794 S",
    "0631 T",
    "0412 U",
    "0217 V",
    "0004 W",
    "0051 X",
    "0015 Y",
    "0010 Z",
    "0031 \xC3\x80",                          // 0031 À
    "0012 \xC3\x87",                          // 0012 Ç
    "0032 \xC3\x88",                          // 0032 È
    "0071 \xC3\x89",                          // 0071 É
    "0022 \xC3\x8D",                          // 0022 Í
    "0002 \xC3\x8F",                          // 0002 Ï
    "0026 \xC3\x92",                          // 0026 Ò
    "0042 \xC3\x93",                          // 0042 Ó
    "0011 \xC3\x9A",                          // 0011 Ú
    "0004 \xC3\x9C",                          // 0004 Ü
};

const char* const kCADigrams[] = {
    "0125 AL",
    "0088 AM",
    "0131 AN",
    "0184 AR",
    "0104 AT",
    "0093 CA",
    "0075 CI",
    "0108 CO",
    "0212 DE",
    "0200 EL",
    "0279 EN",
    "0255 ER",
    "0297 ES",
    "0078 IA",
    "0081 IN",
    "0187 LA",
    "0091 LE",
    "0106 LL",
    "0076 MA",
    "0107 ME",
    "0101 NA",
    "0077 NO",
    "0164 NT",
    "0076 ON",
    "0089 OR",
    "0131 PE",
    "0165 QU",
    "0154 RA",
    "0184 RE",
    "0075 RI",
    "0079 SA",
    "0152 SE",
    "0111 ST",
    "0165 TA",
    "0102 TE",
    "0078 TI",
    "0136 UE",
    "0112 UN",
    "0135 VA",
};

const char* const kCATrigrams[] = {
    "0030 ACI",
    "0040 ADA",
    "0059 AMB",
    "0033 AME",
    "0052 ANT",
    "0033 AQU",
    "0031 ARA",
    "0039 CI\xC3\x93",                        // 0039 CIÓ
    "0051 COM",
    "0039 CON",
    "0039 DEL",
    "0046 DES",
    "0055 ELL",
    "0060 ELS",
    "0131 ENT",
    "0060 ERA",
    "0030 ER\xC3\x92",                        // 0030 ERÒ
    "0032 ESP",
    "0087 EST",
    "0035 EVA",
    "0058 LES",
    "0044 LLA",
    "0085 MEN",
    "0042 M\xC3\x89S",                        // 0042 MÉS
    "0034 OST",
    "0040 PAR",
    "0135 PER",
    "0033 PRE",
    "0175 QUE",
    "0050 RES",
    "0045 SER",
    "0040 SEU",
    "0033 SEV",
    "0052 STA",
    "0032 TAN",
    "0037 TAT",
    "0034 TEN",
    "0031 TOT",
    "0032 TRA",
    "0035 TRE",
    "0036 UES",
    "0060 UNA",
    "0034 VER",
};

const char* const kCESingle[] = {
    "0720 A",
    "0217 B",
    "0228 C",
    "0373 D",
    "0841 E",
    "0023 F",
    "0026 G",
    "0233 H",
    "0401 I",
    "0230 J",
    "0355 K",
    "0516 L",
    "0328 M",
    "0635 N",
    "0796 O",
    "0316 P",
    "0001 Q",
    "0340 R",
    "0449 S",
    "0572 T",
    "0267 U",
    "0394 V",
    "0006 W",
    "0009 X",
    "0241 Y",
    "0185 Z",
    "0185 \xC3\x81",                          // 0185 Á
    "0078 \xC4\x8C",                          // 0078 Č
    "0005 \xC4\x8E",                          // 0005 Ď
    "0121 \xC3\x89",                          // 0121 É
    "0193 \xC4\x9A",                          // 0193 Ě
    "0253 \xC3\x8D",                          // 0253 Í
    "0004 \xC5\x87",                          // 0004 Ň
    "0003 \xC3\x93",                          // 0003 Ó
    "0116 \xC5\x98",                          // 0116 Ř
    "0082 \xC5\xA0",                          // 0082 Š
    "0003 \xC5\xA4",                          // 0003 Ť
    "0012 \xC3\x9A",                          // 0012 Ú
    "0038 \xC5\xAE",                          // 0038 Ů
    "0080 \xC3\x9D",                          // 0080 Ý
    "0122 \xC5\xBD",                          // 0122 Ž
};

const char* const kCEDigrams[] = {
    "0098 AL",
    "0107 BY",
    "0127 CH",
    "0075 DO",
    "0131 EN",
    "0081 HO",
    "0111 JE",
    "0086 KO",
    "0098 LA",
    "0109 LE",
    "0114 NA",
    "0108 NE",
    "0104 N\xC3\x8D",                         // 0104 NÍ
    "0078 OD",
    "0078 OU",
    "0075 OV",
    "0124 PO",
    "0082 PR",
    "0080 RA",
    "0103 RO",
    "0099 SE",
    "0153 ST",
    "0095 TE",
    "0102 TO",
};

const char* const kCETrigrams[] = {
    "0026 ACH",
    "0028 AKO",
    "0034 ALE",
    "0084 BYL",
    "0020 CHI",
    "0024 D\xC4\x9AL",                        // 0024 DĚL
    "0021 ECH",
    "0020 EDN",
    "0022 EHO",
    "0035 EN\xC3\x8D",                        // 0035 ENÍ
    "0021 HOD",
    "0040 JAK",
    "0022 JEH",
    "0020 JEN",
    "0027 KDY",
    "0022 KTE",
    "0021 M\xC4\x9AL",                        // 0021 MĚL
    "0022 NEB",
    "0021 NOS",
    "0047 OST",
    "0032 OVA",
    "0025 POD",
    "0061 PRO",
    "0031 P\xC5\x98" "E",                     // 0031 PŘE
    "0025 P\xC5\x98I",                        // 0025 PŘI
    "0020 P\xC5\x98\xC3\x8D",                 // 0020 PŘÍ
    "0020 SEM",
    "0031 STA",
    "0020 STE",
    "0025 STI",
    "0032 TAK",
    "0025 TER",
    "0022 VAL",
    "0026 YLO",
};

}  // namespace

TStrArray LoadListAF(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kAFSingle, std::size(kAFSingle)},
                              {kAFDigrams, std::size(kAFDigrams)},
                              {kAFTrigrams, std::size(kAFTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListBA(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kBASingle, std::size(kBASingle)},
                              {kBADigrams, std::size(kBADigrams)},
                              {kBATrigrams, std::size(kBATrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListBE(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kBESingle, std::size(kBESingle)},
                              {kBEDigrams, std::size(kBEDigrams)},
                              {kBETrigrams, std::size(kBETrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListCA(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kCASingle, std::size(kCASingle)},
                              {kCADigrams, std::size(kCADigrams)},
                              {kCATrigrams, std::size(kCATrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListCE(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kCESingle, std::size(kCESingle)},
                              {kCEDigrams, std::size(kCEDigrams)},
                              {kCETrigrams, std::size(kCETrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}
