// clang-format off
// Built-in syllable lists: Malagasy (ma), Macedonian (mk), Mongolian (mn), Dutch (nl), Norwegian (no).
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

const char* const kMASingle[] = {
    "2106 A",
    "0102 B",
    "0063 C",
    "0228 D",
    "0486 E",
    "0213 F",
    "0076 G",
    "0253 H",
    "0919 I",
    "0054 J",
    "0230 K",
    "0253 L",
    "0402 M",
    "1265 N",
    "0711 O",
    "0148 P",
    "0007 Q",
    "0529 R",
    "0367 S",
    "0553 T",
    "0074 U",
    "0145 V",
    "0037 W",
    "0006 X",
    "0630 Y",
    "0104 Z",
    "0012 \xC3\x80",                          // 0012 À
    "0014 \xC3\x89",                          // 0014 É
    "0009 \xC3\x94",                          // 0009 Ô
};

const char* const kMADigrams[] = {
    "0099 AH",
    "0095 AL",
    "0195 AM",
    "0588 AN",
    "0078 AO",
    "0176 AR",
    "0149 AT",
    "0106 DI",
    "0113 EN",
    "0128 FA",
    "0156 HA",
    "0168 IA",
    "0097 IK",
    "0270 IN",
    "0075 IS",
    "0106 IT",
    "0158 KA",
    "0116 LA",
    "0139 MA",
    "0147 MI",
    "0433 NA",
    "0089 ND",
    "0084 NI",
    "0096 NO",
    "0422 NY",
    "0076 OA",
    "0128 ON",
    "0298 RA",
    "0083 RE",
    "0089 RI",
    "0096 SA",
    "0091 SY",
    "0168 TA",
    "0090 TE",
    "0086 TO",
    "0115 TR",
    "0086 TS",
    "0081 VA",
    "0081 ZA",
};

const char* const kMATrigrams[] = {
    "0094 AHA",
    "0036 AIN",
    "0066 AKA",
    "0045 ALA",
    "0032 AMB",
    "0121 AMI",
    "0035 AMP",
    "0289 ANA",
    "0061 AND",
    "0031 ANI",
    "0044 ANO",
    "0051 ANT",
    "0100 ANY",
    "0102 ARA",
    "0030 ARI",
    "0047 ARY",
    "0034 ASA",
    "0034 ATI",
    "0070 ATR",
    "0093 DIA",
    "0036 DRA",
    "0034 ENA",
    "0042 ENY",
    "0033 FAH",
    "0045 FAN",
    "0062 HAN",
    "0037 HAT",
    "0051 IAN",
    "0078 IKA",
    "0040 IKI",
    "0095 INA",
    "0030 IND",
    "0044 IRE",
    "0030 ITA",
    "0042 ITR",
    "0056 IZA",
    "0032 LAN",
    "0069 MAN",
    "0035 MBA",
    "0118 MIN",
    "0041 MPI",
    "0080 NAN",
    "0077 NDR",
    "0033 OLO",
    "0053 ONA",
    "0045 OVA",
    "0083 RAN",
    "0039 TAM",
    "0062 TAN",
    "0040 TAO",
    "0053 TEN",
    "0126 TRA",
    "0036 TSY",
    "0038 WIK",
    "0036 ZAN",
};

const char* const kMKSingle[] = {
    "1316 \xD0\x90",                          // 1316 А
    "0150 \xD0\x91",                          // 0150 Б
    "0433 \xD0\x92",                          // 0433 В
    "0173 \xD0\x93",                          // 0173 Г
    "0013 \xD0\x83",                          // 0013 Ѓ
    "0378 \xD0\x94",                          // 0378 Д
    "0836 \xD0\x95",                          // 0836 Е
    "0045 \xD0\x96",                          // 0045 Ж
    "0170 \xD0\x97",                          // 0170 З
    "0002 \xD0\x85",                          // 0002 Ѕ
    "0966 \xD0\x98",                          // 0966 И
    "0181 \xD0\x88",                          // 0181 Ј
    "0396 \xD0\x9A",                          // 0396 К
    "0354 \xD0\x9B",                          // 0354 Л
    "0001 \xD0\x89",                          // 0001 Љ
    "0221 \xD0\x9C",                          // 0221 М
    "0728 \xD0\x9D",                          // 0728 Н
    "0036 \xD0\x8A",                          // 0036 Њ
    "1056 \xD0\x9E",                          // 1056 О
    "0278 \xD0\x9F",                          // 0278 П
    "0518 \xD0\xA0",                          // 0518 Р
    "0478 \xD0\xA1",                          // 0478 С
    "0706 \xD0\xA2",                          // 0706 Т
    "0017 \xD0\x8C",                          // 0017 Ќ
    "0222 \xD0\xA3",                          // 0222 У
    "0042 \xD0\xA4",                          // 0042 Ф
    "0030 \xD0\xA5",                          // 0030 Х
    "0079 \xD0\xA6",                          // 0079 Ц
    "0084 \xD0\xA7",                          // 0084 Ч
    "0007 \xD0\x8F",                          // 0007 Џ
    "0072 \xD0\xA8",                          // 0072 Ш
};

const char* const kMKDigrams[] = {
    "0080 \xD0\x90\xD0\x9B",                  // 0080 АЛ
    "0120 \xD0\x90\xD0\x9D",                  // 0120 АН
    "0177 \xD0\x90\xD0\xA2",                  // 0177 АТ
    "0116 \xD0\x92\xD0\x90",                  // 0116 ВА
    "0160 \xD0\x92\xD0\x9E",                  // 0160 ВО
    "0076 \xD0\x95\xD0\x94",                  // 0076 ЕД
    "0130 \xD0\x95\xD0\x9D",                  // 0130 ЕН
    "0077 \xD0\x95\xD0\xA2",                  // 0077 ЕТ
    "0079 \xD0\x97\xD0\x90",                  // 0079 ЗА
    "0080 \xD0\x98\xD0\x88",                  // 0080 ИЈ
    "0091 \xD0\x98\xD0\x9D",                  // 0091 ИН
    "0118 \xD0\x98\xD0\xA2",                  // 0118 ИТ
    "0122 \xD0\x88\xD0\x90",                  // 0122 ЈА
    "0126 \xD0\x9A\xD0\x90",                  // 0126 КА
    "0129 \xD0\x9A\xD0\x9E",                  // 0129 КО
    "0092 \xD0\x9B\xD0\x95",                  // 0092 ЛЕ
    "0079 \xD0\x9B\xD0\x98",                  // 0079 ЛИ
    "0337 \xD0\x9D\xD0\x90",                  // 0337 НА
    "0171 \xD0\x9D\xD0\x98",                  // 0171 НИ
    "0101 \xD0\x9D\xD0\x9E",                  // 0101 НО
    "0087 \xD0\x9E\xD0\x92",                  // 0087 ОВ
    "0136 \xD0\x9E\xD0\x94",                  // 0136 ОД
    "0075 \xD0\x9E\xD0\xA0",                  // 0075 ОР
    "0147 \xD0\x9E\xD0\xA2",                  // 0147 ОТ
    "0120 \xD0\x9F\xD0\x9E",                  // 0120 ПО
    "0096 \xD0\x9F\xD0\xA0",                  // 0096 ПР
    "0153 \xD0\xA0\xD0\x90",                  // 0153 РА
    "0105 \xD0\xA0\xD0\x95",                  // 0105 РЕ
    "0103 \xD0\xA0\xD0\x98",                  // 0103 РИ
    "0091 \xD0\xA1\xD0\x95",                  // 0091 СЕ
    "0088 \xD0\xA1\xD0\x9A",                  // 0088 СК
    "0145 \xD0\xA1\xD0\xA2",                  // 0145 СТ
    "0181 \xD0\xA2\xD0\x90",                  // 0181 ТА
    "0151 \xD0\xA2\xD0\x95",                  // 0151 ТЕ
    "0082 \xD0\xA2\xD0\x98",                  // 0082 ТИ
    "0135 \xD0\xA2\xD0\x9E",                  // 0135 ТО
};

const char* const kMKTrigrams[] = {
    "0034 \xD0\x90\xD0\x8A\xD0\x95",          // 0034 АЊЕ
    "0030 \xD0\x90\xD0\x9A\xD0\x9E",          // 0030 АКО
    "0039 \xD0\x90\xD0\x9D\xD0\x98",          // 0039 АНИ
    "0122 \xD0\x90\xD0\xA2\xD0\x90",          // 0122 АТА
    "0037 \xD0\x91\xD0\x98\xD0\x9B",          // 0037 БИЛ
    "0028 \xD0\x92\xD0\x90\xD0\x8A",          // 0028 ВАЊ
    "0030 \xD0\x93\xD0\xA0\xD0\x90",          // 0030 ГРА
    "0026 \xD0\x94\xD0\x95\xD0\x9D",          // 0026 ДЕН
    "0029 \xD0\x94\xD0\x98\xD0\x9D",          // 0029 ДИН
    "0036 \xD0\x95\xD0\x9D\xD0\x98",          // 0036 ЕНИ
    "0034 \xD0\x95\xD0\xA2\xD0\x9E",          // 0034 ЕТО
    "0100 \xD0\x98\xD0\x88\xD0\x90",          // 0100 ИЈА
    "0048 \xD0\x98\xD0\x9D\xD0\x90",          // 0048 ИНА
    "0048 \xD0\x98\xD0\x9E\xD0\xA2",          // 0048 ИОТ
    "0041 \xD0\x98\xD0\xA1\xD0\xA2",          // 0041 ИСТ
    "0116 \xD0\x98\xD0\xA2\xD0\x95",          // 0116 ИТЕ
    "0028 \xD0\x9A\xD0\x90\xD0\xA2",          // 0028 КАТ
    "0042 \xD0\x9D\xD0\x90\xD0\xA2",          // 0042 НАТ
    "0030 \xD0\x9D\xD0\x98\xD0\xA2",          // 0030 НИТ
    "0033 \xD0\x9D\xD0\xA1\xD0\x9A",          // 0033 НСК
    "0032 \xD0\x9E\xD0\x92\xD0\x98",          // 0032 ОВИ
    "0029 \xD0\x9E\xD0\x94\xD0\x98",          // 0029 ОДИ
    "0044 \xD0\x9E\xD0\xA1\xD0\xA2",          // 0044 ОСТ
    "0031 \xD0\x9E\xD0\xA2\xD0\x9E",          // 0031 ОТО
    "0039 \xD0\x9F\xD0\xA0\xD0\x95",          // 0039 ПРЕ
    "0027 \xD0\x9F\xD0\xA0\xD0\x98",          // 0027 ПРИ
    "0027 \xD0\x9F\xD0\xA0\xD0\x9E",          // 0027 ПРО
    "0033 \xD0\xA0\xD0\x90\xD0\x9D",          // 0033 РАН
    "0028 \xD0\xA0\xD0\x95\xD0\x94",          // 0028 РЕД
    "0035 \xD0\xA1\xD0\x9A\xD0\x90",          // 0035 СКА
    "0055 \xD0\xA1\xD0\x9A\xD0\x98",          // 0055 СКИ
    "0050 \xD0\xA1\xD0\xA2\xD0\x90",          // 0050 СТА
    "0026 \xD0\xA1\xD0\xA2\xD0\x98",          // 0026 СТИ
    "0035 \xD0\xA1\xD0\xA2\xD0\x9E",          // 0035 СТО
    "0077 \xD0\xA3\xD0\x92\xD0\x90",          // 0077 УВА
};

const char* const kMNSingle[] = {
    "1120 \xD0\x90",                          // 1120 А
    "0261 \xD0\x91",                          // 0261 Б
    "0144 \xD0\x92",                          // 0144 В
    "0601 \xD0\x93",                          // 0601 Г
    "0489 \xD0\x94",                          // 0489 Д
    "0077 \xD0\x95",                          // 0077 Е
    "0013 \xD0\x81",                          // 0013 Ё
    "0145 \xD0\x96",                          // 0145 Ж
    "0114 \xD0\x97",                          // 0114 З
    "0452 \xD0\x98",                          // 0452 И
    "0399 \xD0\x99",                          // 0399 Й
    "0039 \xD0\x9A",                          // 0039 К
    "0580 \xD0\x9B",                          // 0580 Л
    "0230 \xD0\x9C",                          // 0230 М
    "0891 \xD0\x9D",                          // 0891 Н
    "0535 \xD0\x9E",                          // 0535 О
    "0238 \xD3\xA8",                          // 0238 Ө
    "0025 \xD0\x9F",                          // 0025 П
    "0539 \xD0\xA0",                          // 0539 Р
    "0335 \xD0\xA1",                          // 0335 С
    "0365 \xD0\xA2",                          // 0365 Т
    "0383 \xD0\xA3",                          // 0383 У
    "0326 \xD2\xAE",                          // 0326 Ү
    "0008 \xD0\xA4",                          // 0008 Ф
    "0424 \xD0\xA5",                          // 0424 Х
    "0077 \xD0\xA6",                          // 0077 Ц
    "0111 \xD0\xA7",                          // 0111 Ч
    "0076 \xD0\xA8",                          // 0076 Ш
    "0001 \xD0\xA9",                          // 0001 Щ
    "0001 \xD0\xAA",                          // 0001 Ъ
    "0158 \xD0\xAB",                          // 0158 Ы
    "0072 \xD0\xAC",                          // 0072 Ь
    "0710 \xD0\xAD",                          // 0710 Э
    "0021 \xD0\xAE",                          // 0021 Ю
    "0047 \xD0\xAF",                          // 0047 Я
};

const char* const kMNDigrams[] = {
    "0164 \xD0\x90\xD0\x90",                  // 0164 АА
    "0092 \xD0\x90\xD0\x93",                  // 0092 АГ
    "0150 \xD0\x90\xD0\x99",                  // 0150 АЙ
    "0116 \xD0\x90\xD0\x9B",                  // 0116 АЛ
    "0195 \xD0\x90\xD0\x9D",                  // 0195 АН
    "0177 \xD0\x90\xD0\xA0",                  // 0177 АР
    "0133 \xD0\x91\xD0\x90",                  // 0133 БА
    "0071 \xD0\x91\xD0\x9E",                  // 0071 БО
    "0131 \xD0\x93\xD0\x90",                  // 0131 ГА
    "0086 \xD0\x93\xD0\xAD",                  // 0086 ГЭ
    "0118 \xD0\x94\xD0\x90",                  // 0118 ДА
    "0071 \xD0\x94\xD0\xAD",                  // 0071 ДЭ
    "0089 \xD0\xAD\xD0\x93",                  // 0089 ЭГ
    "0076 \xD0\xAD\xD0\x9B",                  // 0076 ЭЛ
    "0132 \xD0\xAD\xD0\xAD",                  // 0132 ЭЭ
    "0111 \xD0\xAD\xD0\x9D",                  // 0111 ЭН
    "0123 \xD0\xAD\xD0\xA0",                  // 0123 ЭР
    "0229 \xD0\x98\xD0\x99",                  // 0229 ИЙ
    "0150 \xD0\x99\xD0\x9D",                  // 0150 ЙН
    "0095 \xD0\x9B\xD0\x90",                  // 0095 ЛА
    "0065 \xD0\x9D\xD0\x94",                  // 0065 НД
    "0128 \xD0\x9E\xD0\x9B",                  // 0128 ОЛ
    "0122 \xD0\x9E\xD0\x9D",                  // 0122 ОН
    "0071 \xD0\x9E\xD0\xA0",                  // 0071 ОР
    "0100 \xD0\xA1\xD0\x90",                  // 0100 СА
    "0085 \xD0\xA2\xD0\x90",                  // 0085 ТА
    "0082 \xD0\xA3\xD0\x9B",                  // 0082 УЛ
    "0115 \xD0\xA3\xD0\xA3",                  // 0115 УУ
    "0094 \xD0\xA5\xD0\x90",                  // 0094 ХА
    "0068 \xD0\xA5\xD0\xAD",                  // 0068 ХЭ
    "0097 \xD0\xAB\xD0\x9D",                  // 0097 ЫН
    "0094 \xD2\xAE\xD2\xAE",                  // 0094 ҮҮ
};

const char* const kMNTrigrams[] = {
    "0040 \xD0\x90\xD0\x90\xD0\x9D",          // 0040 ААН
    "0044 \xD0\x90\xD0\x90\xD0\xA0",          // 0044 ААР
    "0029 \xD0\x90\xD0\x93\xD0\x90",          // 0029 АГА
    "0032 \xD0\x90\xD0\x99\xD0\x9D",          // 0032 АЙН
    "0028 \xD0\x90\xD0\xA0\xD0\x90",          // 0028 АРА
    "0101 \xD0\x91\xD0\x90\xD0\x99",          // 0101 БАЙ
    "0059 \xD0\x91\xD0\x9E\xD0\x9B",          // 0059 БОЛ
    "0051 \xD0\x93\xD0\x90\xD0\x90",          // 0051 ГАА
    "0061 \xD0\x93\xD0\x98\xD0\x99",          // 0061 ГИЙ
    "0038 \xD0\x93\xD0\x9E\xD0\x9B",          // 0038 ГОЛ
    "0028 \xD0\x93\xD0\xAD\xD0\xAD",          // 0028 ГЭЭ
    "0035 \xD0\x93\xD2\xAE\xD0\x99",          // 0035 ГҮЙ
    "0027 \xD0\x94\xD0\x90\xD0\x90",          // 0027 ДАА
    "0028 \xD0\x94\xD0\xAD\xD0\xAD",          // 0028 ДЭЭ
    "0033 \xD0\xAD\xD0\xA0\xD0\xAD",          // 0033 ЭРЭ
    "0042 \xD0\xAD\xD0\xAD\xD0\xA0",          // 0042 ЭЭР
    "0027 \xD0\x96\xD0\xAD\xD0\xAD",          // 0027 ЖЭЭ
    "0052 \xD0\x98\xD0\x99\xD0\x93",          // 0052 ИЙГ
    "0148 \xD0\x98\xD0\x99\xD0\x9D",          // 0148 ИЙН
    "0025 \xD0\x9B\xD0\x90\xD0\x93",          // 0025 ЛАГ
    "0025 \xD0\x9B\xD0\x98\xD0\x99",          // 0025 ЛИЙ
    "0026 \xD0\x9B\xD0\xAB\xD0\x9D",          // 0026 ЛЫН
    "0029 \xD0\x9C\xD0\x9E\xD0\x9D",          // 0029 МОН
    "0034 \xD0\x9D\xD0\x93\xD0\x9E",          // 0034 НГО
    "0058 \xD0\x9D\xD0\x98\xD0\x99",          // 0058 НИЙ
    "0043 \xD0\x9E\xD0\x9B\xD0\x9E",          // 0043 ОЛО
    "0035 \xD0\x9E\xD0\x9D\xD0\x93",          // 0035 ОНГ
    "0028 \xD0\xA0\xD0\xAD\xD0\x93",          // 0028 РЭГ
    "0077 \xD0\xA1\xD0\x90\xD0\x9D",          // 0077 САН
    "0027 \xD0\xA1\xD0\x9E\xD0\x9D",          // 0027 СОН
    "0039 \xD0\xA1\xD0\xAD\xD0\x9D",          // 0039 СЭН
    "0025 \xD0\xA2\xD0\x90\xD0\x99",          // 0025 ТАЙ
    "0028 \xD0\xA3\xD0\x9B\xD0\x90",          // 0028 УЛА
    "0028 \xD0\xA3\xD0\x9B\xD0\xA1",          // 0028 УЛС
    "0031 \xD0\xA5\xD0\x98\xD0\x99",          // 0031 ХИЙ
};

const char* const kNLSingle[] = {
    "0766 A",
    "0136 B",
    "0130 C",
    "0541 D",
    "1906 E",
    "0073 F",
    "0312 G",
    "0312 H",
    "0629 I",
    "0182 J",
    "0279 K",
    "0380 L",
    "0256 M",
    "0991 N",
    "0580 O",
    "0149 P",
    "0001 Q",
    "0562 R",
    "0384 S",
    "0642 T",
    "0210 U",
    "0224 V",
    "0172 W",
    "0005 X",
    "0006 Y",
    "0160 Z",
    "0003 \xC3\x84",                          // 0003 Ä
    "0003 \xC3\x8B",                          // 0003 Ë
    "0001 \xC3\x8F",                          // 0001 Ï
    "0001 \xC3\x96",                          // 0001 Ö
    "0002 \xC3\x9C",                          // 0002 Ü
};

const char* const kNLDigrams[] = {
    "0166 AA",
    "0095 AL",
    "0205 AN",
    "0117 AR",
    "0089 AT",
    "0080 BE",
    "0118 CH",
    "0087 DA",
    "0328 DE",
    "0209 EE",
    "0147 EL",
    "0608 EN",
    "0297 ER",
    "0203 ET",
    "0196 GE",
    "0144 HE",
    "0139 IE",
    "0169 IJ",
    "0146 IN",
    "0086 KE",
    "0104 LE",
    "0096 ME",
    "0103 ND",
    "0078 NG",
    "0098 OE",
    "0082 ON",
    "0106 OO",
    "0093 OR",
    "0093 RE",
    "0105 ST",
    "0193 TE",
    "0078 VA",
    "0101 VE",
    "0078 WA",
    "0077 ZE",
};

const char* const kNLTrigrams[] = {
    "0041 AAN",
    "0112 AAR",
    "0040 ACH",
    "0041 ALS",
    "0049 AND",
    "0067 CHT",
    "0058 DAT",
    "0070 DEN",
    "0058 DER",
    "0033 EDE",
    "0137 EEN",
    "0060 EER",
    "0037 ELI",
    "0033 END",
    "0039 ERD",
    "0046 ERE",
    "0034 ERS",
    "0075 GEN",
    "0030 HAA",
    "0105 HET",
    "0030 HIJ",
    "0057 IET",
    "0058 IJK",
    "0065 IJN",
    "0066 ING",
    "0047 KEN",
    "0053 LIJ",
    "0044 LLE",
    "0043 MAA",
    "0034 MEN",
    "0046 MET",
    "0070 NDE",
    "0038 NEN",
    "0041 NGE",
    "0066 NIE",
    "0041 OND",
    "0075 OOR",
    "0033 RDE",
    "0048 REN",
    "0059 SCH",
    "0052 STE",
    "0062 TEN",
    "0043 TER",
    "0030 UIT",
    "0090 VAN",
    "0094 VER",
    "0049 VOO",
    "0040 WAS",
    "0051 ZIJ",
};

const char* const kNOSingle[] = {
    "0605 A",
    "0138 B",
    "0051 C",
    "0489 D",
    "1663 E",
    "0168 F",
    "0404 G",
    "0241 H",
    "0561 I",
    "0120 J",
    "0383 K",
    "0487 L",
    "0320 M",
    "0814 N",
    "0468 O",
    "0169 P",
    "0001 Q",
    "0752 R",
    "0541 S",
    "0779 T",
    "0184 U",
    "0267 V",
    "0031 W",
    "0004 X",
    "0067 Y",
    "0021 Z",
    "0148 \xC3\x85",                          // 0148 Å
    "0026 \xC3\x86",                          // 0026 Æ
    "0089 \xC3\x98",                          // 0089 Ø
};

const char* const kNODigrams[] = {
    "0150 AN",
    "0127 AR",
    "0300 DE",
    "0084 ED",
    "0090 EG",
    "0129 EL",
    "0444 EN",
    "0347 ER",
    "0235 ET",
    "0085 FO",
    "0104 GE",
    "0091 HA",
    "0076 IG",
    "0078 IK",
    "0096 IL",
    "0131 IN",
    "0082 JE",
    "0132 KE",
    "0076 KK",
    "0144 LE",
    "0096 LI",
    "0138 ME",
    "0142 NE",
    "0088 NG",
    "0083 NN",
    "0109 OG",
    "0082 OM",
    "0140 OR",
    "0186 RE",
    "0102 SE",
    "0118 ST",
    "0220 TE",
    "0112 TI",
    "0102 TT",
    "0101 VE",
};

const char* const kNOTrigrams[] = {
    "0031 ALL",
    "0034 ANS",
    "0033 ARE",
    "0033 DDE",
    "0076 DEN",
    "0045 DER",
    "0107 DET",
    "0034 ELL",
    "0034 END",
    "0042 ENE",
    "0050 ENN",
    "0034 ENT",
    "0055 ERE",
    "0056 ETT",
    "0107 FOR",
    "0042 GEN",
    "0030 HAD",
    "0043 HAN",
    "0032 HEN",
    "0066 IKK",
    "0069 ING",
    "0032 ITT",
    "0056 JEG",
    "0030 KAN",
    "0086 KKE",
    "0044 LER",
    "0054 LIG",
    "0070 LLE",
    "0045 MED",
    "0060 MEN",
    "0032 MME",
    "0041 NDE",
    "0055 NGE",
    "0077 NNE",
    "0033 REN",
    "0051 SOM",
    "0066 STE",
    "0059 TEN",
    "0059 TER",
    "0077 TIL",
    "0072 TTE",
    "0060 VAR",
    "0064 VER",
    "0031 VIS",
};

}  // namespace

TStrArray LoadListMA(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kMASingle, std::size(kMASingle)},
                              {kMADigrams, std::size(kMADigrams)},
                              {kMATrigrams, std::size(kMATrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListMK(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kMKSingle, std::size(kMKSingle)},
                              {kMKDigrams, std::size(kMKDigrams)},
                              {kMKTrigrams, std::size(kMKTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListMN(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kMNSingle, std::size(kMNSingle)},
                              {kMNDigrams, std::size(kMNDigrams)},
                              {kMNTrigrams, std::size(kMNTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListNL(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kNLSingle, std::size(kNLSingle)},
                              {kNLDigrams, std::size(kNLDigrams)},
                              {kNLTrigrams, std::size(kNLTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListNO(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kNOSingle, std::size(kNOSingle)},
                              {kNODigrams, std::size(kNODigrams)},
                              {kNOTrigrams, std::size(kNOTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}
