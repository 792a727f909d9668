// clang-format off
// Built-in syllable lists: Albanian (sq), Tagalog (ta), Turkish (tu), Ukrainian (uk), Vietnamese (vi).
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

const char* const kSQSingle[] = {
    "0756 A",
    "0108 B",
    "0063 C",
    "0015 \xC3\x87",                          // 0015 Ç
    "0326 D",
    "0972 E",
    "0774 \xC3\x8B",                          // 0774 Ë
    "0094 F",
    "0149 G",
    "0419 H",
    "0910 I",
    "0277 J",
    "0322 K",
    "0299 L",
    "0348 M",
    "0661 N",
    "0393 O",
    "0277 P",
    "0080 Q",
    "0728 R",
    "0549 S",
    "0837 T",
    "0344 U",
    "0144 V",
    "0009 X",
    "0056 Y",
    "0081 Z",
};

const char* const kSQDigrams[] = {
    "0124 AN",
    "0166 AR",
    "0090 AT",
    "0124 DH",
    "0087 EN",
    "0103 ER",
    "0079 ES",
    "0125 ET",
    "0140 \xC3\x8BR",                         // 0140 ËR
    "0088 \xC3\x8BS",                         // 0088 ËS
    "0148 HE",
    "0093 HT",
    "0086 IM",
    "0148 IN",
    "0128 IS",
    "0149 IT",
    "0100 JE",
    "0100 LI",
    "0104 ME",
    "0087 MI",
    "0115 ND",
    "0078 NI",
    "0154 N\xC3\x8B",                         // 0154 NË
    "0087 ON",
    "0098 OR",
    "0081 P\xC3\x8B",                         // 0081 PË
    "0111 RA",
    "0121 RE",
    "0154 RI",
    "0071 R\xC3\x8B",                         // 0071 RË
    "0248 SH",
    "0087 SI",
    "0079 TA",
    "0138 TE",
    "0125 TI",
    "0265 T\xC3\x8B",                         // 0265 TË
    "0091 VE",
};

const char* const kSQTrigrams[] = {
    "0030 ARA",
    "0029 ASH",
    "0115 DHE",
    "0033 END",
    "0033 ERI",
    "0032 ET\xC3\x8B",                        // 0032 ETË
    "0027 \xC3\x8BSH",                        // 0027 ËSH
    "0036 GJI",
    "0025 HIN",
    "0041 HTE",
    "0055 IMI",
    "0082 ISH",
    "0029 IST",
    "0029 JET",
    "0025 KIS",
    "0026 LLI",
    "0026 MIN",
    "0033 NDI",
    "0030 ND\xC3\x8B",                        // 0030 NDË
    "0046 NGA",
    "0058 NJ\xC3\x8B",                        // 0058 NJË
    "0030 NTE",
    "0032 ONI",
    "0025 PER",
    "0096 P\xC3\x8BR",                        // 0096 PËR
    "0027 RIS",
    "0029 RIT",
    "0034 SHI",
    "0032 SHK",
    "0116 SHT",
    "0033 TAR",
    "0031 TET",
    "0026 TUR",
    "0048 UAR",
    "0025 ULL",
    "0028 UND",
};

const char* const kTASingle[] = {
    "2425 A",
    "0190 B",
    "0200 D",
    "0222 E",
    "0851 G",
    "0208 H",
    "0789 I",
    "0361 K",
    "0377 L",
    "0427 M",
    "1177 N",
    "0419 O",
    "0284 P",
    "0223 R",
    "0560 S",
    "0487 T",
    "0298 U",
    "0093 W",
    "0308 Y",
};

const char* const kTADigrams[] = {
    "0183 AG",
    "0087 AH",
    "0129 AK",
    "0165 AL",
    "0105 AM",
    "0623 AN",
    "0084 AP",
    "0119 AR",
    "0100 AS",
    "0211 AT",
    "0245 AY",
    "0113 BA",
    "0195 GA",
    "0101 HA",
    "0093 HI",
    "0095 IL",
    "0251 IN",
    "0099 IS",
    "0155 IT",
    "0232 KA",
    "0229 LA",
    "0101 LI",
    "0285 MA",
    "0091 MG",
    "0292 NA",
    "0690 NG",
    "0116 ON",
    "0224 PA",
    "0100 RA",
    "0363 SA",
    "0082 SI",
    "0151 TA",
    "0098 TO",
    "0094 UN",
    "0113 YA",
};

const char* const kTATrigrams[] = {
    "0031 AAN",
    "0048 ABA",
    "0055 AGA",
    "0031 AGI",
    "0039 AGK",
    "0061 AHA",
    "0038 AHI",
    "0052 AKA",
    "0058 AKI",
    "0037 AKO",
    "0117 ALA",
    "0061 ALI",
    "0081 AMA",
    "0040 ANA",
    "0507 ANG",
    "0046 ANY",
    "0058 APA",
    "0073 ARA",
    "0035 ARI",
    "0039 ASA",
    "0072 ATA",
    "0045 AWA",
    "0036 AYA",
    "0040 GAN",
    "0036 GAY",
    "0032 GIN",
    "0042 GKA",
    "0041 HAN",
    "0068 HIN",
    "0077 ILA",
    "0048 INA",
    "0054 IND",
    "0106 ING",
    "0087 ISA",
    "0038 ITA",
    "0083 ITO",
    "0048 IYA",
    "0070 KAN",
    "0034 KAT",
    "0036 KIN",
    "0039 KUN",
    "0031 LAM",
    "0073 LAN",
    "0054 MAG",
    "0040 MAL",
    "0049 MAN",
    "0030 MAT",
    "0035 MAY",
    "0125 MGA",
    "0038 NAG",
    "0030 NAN",
    "0053 NDI",
    "0032 NGA",
    "0046 NYA",
    "0079 ONG",
    "0074 PAG",
    "0051 PAN",
    "0041 PAR",
    "0034 PAT",
    "0097 SAN",
    "0040 SIY",
    "0034 TAN",
    "0037 ULA",
    "0038 UMA",
    "0053 UNG",
    "0047 YAN",
    "0050 YON",
};

const char* const kTUSingle[] = {
    "1156 A",
    "0001 \xC3\x82",                          // 0001 Â
    "0283 B",
    "0112 C",
    "0135 \xC3\x87",                          // 0135 Ç
    "0462 D",
    "0939 E",
    "0053 F",
    "0150 G",
    "0091 \xC4\x9E",                          // 0091 Ğ
    "0133 H",
    "0384 I",
    "0861 \xC4\xB0",                          // 0861 İ
    "0001 \xC3\x8E",                          // 0001 Î
    "0016 J",
    "0470 K",
    "0608 L",
    "0344 M",
    "0680 N",
    "0359 O",
    "0071 \xC3\x96",                          // 0071 Ö
    "0075 P",
    "0681 R",
    "0327 S",
    "0156 \xC5\x9E",                          // 0156 Ş
    "0330 T",
    "0342 U",
    "0177 \xC3\x9C",                          // 0177 Ü
    "0001 \xC3\x9B",                          // 0001 Û
    "0173 V",
    "0273 Y",
    "0143 Z",
};

const char* const kTUDigrams[] = {
    "0111 AK",
    "0084 AL",
    "0081 AM",
    "0173 AN",
    "0219 AR",
    "0146 B\xC4\xB0",                         // 0146 Bİ
    "0124 DA",
    "0127 DE",
    "0105 D\xC4\xB0",                         // 0105 Dİ
    "0079 EK",
    "0076 EL",
    "0143 EN",
    "0190 ER",
    "0088 IN",
    "0117 \xC4\xB0L",                         // 0117 İL
    "0152 \xC4\xB0N",                         // 0152 İN
    "0153 \xC4\xB0R",                         // 0153 İR
    "0091 KA",
    "0180 LA",
    "0140 LE",
    "0088 L\xC4\xB0",                         // 0088 Lİ
    "0132 MA",
    "0101 ND",
    "0105 OL",
    "0091 ON",
    "0120 RA",
    "0137 VE",
    "0099 YA",
};

const char* const kTUTrigrams[] = {
    "0038 ADA",
    "0063 AMA",
    "0060 ARA",
    "0033 ARD",
    "0055 ARI",
    "0033 ASI",
    "0034 B\xC4\xB0L",                        // 0034 BİL
    "0125 B\xC4\xB0R",                        // 0125 BİR
    "0056 \xC3\x87\xC4\xB0N",                 // 0056 ÇİN
    "0035 ED\xC4\xB0",                        // 0035 EDİ
    "0031 EN\xC4\xB0",                        // 0031 ENİ
    "0032 ERE",
    "0063 ER\xC4\xB0",                        // 0063 ERİ
    "0043 IND",
    "0046 \xC4\xB0LE",                        // 0046 İLE
    "0039 \xC4\xB0L\xC4\xB0",                 // 0039 İLİ
    "0056 \xC4\xB0\xC3\x87\xC4\xB0",          // 0056 İÇİ
    "0039 LAN",
    "0099 LAR",
    "0037 LDU",
    "0058 LER",
    "0035 MAK",
    "0034 MAN",
    "0057 NDA",
    "0030 NDE",
    "0038 NLA",
    "0047 OLA",
    "0037 OLD",
    "0046 ONU",
    "0030 RIN",
    "0035 VAR",
    "0033 VER",
    "0038 YOR",
};

const char* const kUKSingle[] = {
    "0834 \xD0\x90",                          // 0834 А
    "0153 \xD0\x91",                          // 0153 Б
    "0550 \xD0\x92",                          // 0550 В
    "0159 \xD0\x93",                          // 0159 Г
    "0001 \xD2\x90",                          // 0001 Ґ
    "0306 \xD0\x94",                          // 0306 Д
    "0459 \xD0\x95",                          // 0459 Е
    "0039 \xD0\x84",                          // 0039 Є
    "0071 \xD0\x96",                          // 0071 Ж
    "0210 \xD0\x97",                          // 0210 З
    "0600 \xD0\x98",                          // 0600 И
    "0623 \xD0\x86",                          // 0623 І
    "0084 \xD0\x87",                          // 0084 Ї
    "0124 \xD0\x99",                          // 0124 Й
    "0400 \xD0\x9A",                          // 0400 К
    "0393 \xD0\x9B",                          // 0393 Л
    "0302 \xD0\x9C",                          // 0302 М
    "0710 \xD0\x9D",                          // 0710 Н
    "0928 \xD0\x9E",                          // 0928 О
    "0284 \xD0\x9F",                          // 0284 П
    "0548 \xD0\xA0",                          // 0548 Р
    "0457 \xD0\xA1",                          // 0457 С
    "0477 \xD0\xA2",                          // 0477 Т
    "0338 \xD0\xA3",                          // 0338 У
    "0035 \xD0\xA4",                          // 0035 Ф
    "0117 \xD0\xA5",                          // 0117 Х
    "0102 \xD0\xA6",                          // 0102 Ц
    "0115 \xD0\xA7",                          // 0115 Ч
    "0071 \xD0\xA8",                          // 0071 Ш
    "0032 \xD0\xA9",                          // 0032 Щ
    "0183 \xD0\xAC",                          // 0183 Ь
    "0070 \xD0\xAE",                          // 0070 Ю
    "0216 \xD0\xAF",                          // 0216 Я
};

const char* const kUKDigrams[] = {
    "0101 \xD0\x90\xD0\x9B",                  // 0101 АЛ
    "0126 \xD0\x90\xD0\x9D",                  // 0126 АН
    "0092 \xD0\x92\xD0\x86",                  // 0092 ВІ
    "0095 \xD0\x92\xD0\x90",                  // 0095 ВА
    "0074 \xD0\x92\xD0\x98",                  // 0074 ВИ
    "0069 \xD0\x92\xD0\x9E",                  // 0069 ВО
    "0090 \xD0\x93\xD0\x9E",                  // 0090 ГО
    "0096 \xD0\x95\xD0\x9D",                  // 0096 ЕН
    "0112 \xD0\x95\xD0\xA0",                  // 0112 ЕР
    "0070 \xD0\x97\xD0\x90",                  // 0070 ЗА
    "0083 \xD0\x86\xD0\x92",                  // 0083 ІВ
    "0066 \xD0\x86\xD0\x94",                  // 0066 ІД
    "0066 \xD0\x9A\xD0\x90",                  // 0066 КА
    "0068 \xD0\x9A\xD0\x98",                  // 0068 КИ
    "0127 \xD0\x9A\xD0\x9E",                  // 0127 КО
    "0070 \xD0\x9B\xD0\x90",                  // 0070 ЛА
    "0094 \xD0\x9B\xD0\x98",                  // 0094 ЛИ
    "0067 \xD0\x9B\xD0\xAC",                  // 0067 ЛЬ
    "0102 \xD0\x9D\xD0\x86",                  // 0102 НІ
    "0145 \xD0\x9D\xD0\x90",                  // 0145 НА
    "0113 \xD0\x9D\xD0\x98",                  // 0113 НИ
    "0065 \xD0\x9D\xD0\x9D",                  // 0065 НН
    "0106 \xD0\x9D\xD0\x9E",                  // 0106 НО
    "0069 \xD0\x9D\xD0\xAF",                  // 0069 НЯ
    "0120 \xD0\x9E\xD0\x92",                  // 0120 ОВ
    "0073 \xD0\x9E\xD0\x93",                  // 0073 ОГ
    "0065 \xD0\x9E\xD0\x9B",                  // 0065 ОЛ
    "0076 \xD0\x9E\xD0\x9C",                  // 0076 ОМ
    "0099 \xD0\x9E\xD0\xA0",                  // 0099 ОР
    "0075 \xD0\x9E\xD0\xA1",                  // 0075 ОС
    "0096 \xD0\x9F\xD0\x9E",                  // 0096 ПО
    "0085 \xD0\x9F\xD0\xA0",                  // 0085 ПР
    "0107 \xD0\xA0\xD0\x90",                  // 0107 РА
    "0086 \xD0\xA0\xD0\x95",                  // 0086 РЕ
    "0073 \xD0\xA0\xD0\x98",                  // 0073 РИ
    "0140 \xD0\xA0\xD0\x9E",                  // 0140 РО
    "0143 \xD0\xA1\xD0\xA2",                  // 0143 СТ
    "0076 \xD0\xA1\xD0\xAC",                  // 0076 СЬ
    "0112 \xD0\xA2\xD0\x90",                  // 0112 ТА
    "0085 \xD0\xA2\xD0\x98",                  // 0085 ТИ
    "0078 \xD0\xA2\xD0\x9E",                  // 0078 ТО
    "0065 \xD0\xA6\xD0\x86",                  // 0065 ЦІ
    "0091 \xD0\xAC\xD0\x9A",                  // 0091 ЬК
};

const char* const kUKTrigrams[] = {
    "0032 \xD0\x90\xD0\x9B\xD0\x98",          // 0032 АЛИ
    "0025 \xD0\x90\xD0\x9B\xD0\xAC",          // 0025 АЛЬ
    "0028 \xD0\x90\xD0\x9D\xD0\x9D",          // 0028 АНН
    "0025 \xD0\x91\xD0\xA3\xD0\x9B",          // 0025 БУЛ
    "0041 \xD0\x92\xD0\x86\xD0\x94",          // 0041 ВІД
    "0027 \xD0\x92\xD0\x90\xD0\x9B",          // 0027 ВАЛ
    "0029 \xD0\x92\xD0\x90\xD0\x9D",          // 0029 ВАН
    "0037 \xD0\x95\xD0\x9D\xD0\x9D",          // 0037 ЕНН
    "0043 \xD0\x95\xD0\xA0\xD0\x95",          // 0043 ЕРЕ
    "0025 \xD0\x86\xD0\x9B\xD0\xAC",          // 0025 ІЛЬ
    "0032 \xD0\x86\xD0\xA1\xD0\xA2",          // 0032 ІСТ
    "0033 \xD0\x9B\xD0\xAC\xD0\x9D",          // 0033 ЛЬН
    "0029 \xD0\x9D\xD0\x98\xD0\xA5",          // 0029 НИХ
    "0058 \xD0\x9D\xD0\x9D\xD0\xAF",          // 0058 ННЯ
    "0025 \xD0\x9D\xD0\xA1\xD0\xAC",          // 0025 НСЬ
    "0029 \xD0\x9E\xD0\x92\xD0\x98",          // 0029 ОВИ
    "0073 \xD0\x9E\xD0\x93\xD0\x9E",          // 0073 ОГО
    "0027 \xD0\x9E\xD0\xA1\xD0\xA2",          // 0027 ОСТ
    "0039 \xD0\x9F\xD0\x95\xD0\xA0",          // 0039 ПЕР
    "0031 \xD0\x9F\xD0\xA0\xD0\x98",          // 0031 ПРИ
    "0042 \xD0\x9F\xD0\xA0\xD0\x9E",          // 0042 ПРО
    "0040 \xD0\xA1\xD0\xA2\xD0\x90",          // 0040 СТА
    "0084 \xD0\xA1\xD0\xAC\xD0\x9A",          // 0084 СЬК
    "0026 \xD0\xA2\xD0\x90\xD0\x9D",          // 0026 ТАН
    "0040 \xD0\xA3\xD0\x92\xD0\x90",          // 0040 УВА
    "0034 \xD0\xAC\xD0\x9A\xD0\x98",          // 0034 ЬКИ
    "0044 \xD0\xAC\xD0\x9A\xD0\x9E",          // 0044 ЬКО
};

const char* const kVISingle[] = {
    "0529 A",
    "0041 \xC3\x82",                          // 0041 Â
    "0023 \xC4\x82",                          // 0023 Ă
    "0150 B",
    "0671 C",
    "0088 D",
    "0309 \xC3\x90",                          // 0309 Ð
    "0145 E",
    "0061 \xC3\x8A",                          // 0061 Ê
    "0012 F",
    "0529 G",
    "0795 H",
    "0571 I",
    "0014 J",
    "0132 K",
    "0190 L",
    "0297 M",
    "1101 N",
    "0232 O",
    "0167 \xC3\x94",                          // 0167 Ô
    "0032 \xC6\xA0",                          // 0032 Ơ
    "0106 P",
    "0034 Q",
    "0232 R",
    "0156 S",
    "0660 T",
    "0242 U",
    "0159 \xC6\xAF",                          // 0159 Ư
    "0212 V",
    "0010 W",
    "0033 X",
    "0139 Y",
    "0004 Z",
    "0247 \xC3\x80",                          // 0247 À
    "0120 \xC3\x81",                          // 0120 Á
    "0068 \xC3\x83",                          // 0068 Ã
    "0058 \xE1\xBA\xA2",                      // 0058 Ả
    "0063 \xE1\xBA\xA4",                      // 0063 Ấ
    "0042 \xE1\xBA\xA6",                      // 0042 Ầ
    "0004 \xE1\xBA\xA8",                      // 0004 Ẩ
    "0007 \xE1\xBA\xAA",                      // 0007 Ẫ
    "0032 \xE1\xBA\xAC",                      // 0032 Ậ
    "0028 \xE1\xBA\xAE",                      // 0028 Ắ
    "0018 \xE1\xBA\xB0",                      // 0018 Ằ
    "0002 \xE1\xBA\xB2",                      // 0002 Ẳ
    "0001 \xE1\xBA\xB4",                      // 0001 Ẵ
    "0022 \xE1\xBA\xB6",                      // 0022 Ặ
    "0007 \xC3\x89",                          // 0007 É
    "0011 \xE1\xBA\xB8",                      // 0011 Ẹ
    "0005 \xE1\xBA\xBA",                      // 0005 Ẻ
    "0018 \xE1\xBA\xBC",                      // 0018 Ẽ
    "0079 \xE1\xBA\xBE",                      // 0079 Ế
    "0039 \xE1\xBB\x80",                      // 0039 Ề
    "0059 \xE1\xBB\x82",                      // 0059 Ể
    "0006 \xE1\xBB\x84",                      // 0006 Ễ
    "0034 \xE1\xBB\x86",                      // 0034 Ệ
    "0054 \xC3\x8C",                          // 0054 Ì
    "0026 \xC3\x8D",                          // 0026 Í
    "0008 \xC4\xA8",                          // 0008 Ĩ
    "0013 \xE1\xBB\x88",                      // 0013 Ỉ
    "0021 \xE1\xBB\x8A",                      // 0021 Ị
    "0042 \xE1\xBB\x8C",                      // 0042 Ọ
    "0012 \xE1\xBB\x8E",                      // 0012 Ỏ
    "0066 \xE1\xBB\x90",                      // 0066 Ố
    "0016 \xE1\xBB\x92",                      // 0016 Ồ
    "0014 \xE1\xBB\x94",                      // 0014 Ổ
    "0006 \xE1\xBB\x96",                      // 0006 Ỗ
    "0099 \xE1\xBB\x98",                      // 0099 Ộ
    "0063 \xE1\xBB\x9A",                      // 0063 Ớ
    "0059 \xE1\xBB\x9C",                      // 0059 Ờ
    "0029 \xE1\xBB\x9E",                      // 0029 Ở
    "0003 \xE1\xBB\xA0",                      // 0003 Ỡ
    "0058 \xE1\xBB\xA2",                      // 0058 Ợ
    "0018 \xE1\xBB\xA4",                      // 0018 Ụ
    "0086 \xE1\xBB\xA6",                      // 0086 Ủ
    "0027 \xE1\xBB\xA8",                      // 0027 Ứ
    "0019 \xE1\xBB\xAA",                      // 0019 Ừ
    "0012 \xE1\xBB\xAC",                      // 0012 Ử
    "0033 \xE1\xBB\xAE",                      // 0033 Ữ
    "0029 \xE1\xBB\xB0",                      // 0029 Ự
    "0010 \xC5\xA8",                          // 0010 Ũ
    "0010 \xC3\x9D",                          // 0010 Ý
};

const char* const kVIDigrams[] = {
    "0087 AN",
    "0227 CH",
    "0065 C\xC3\x81",                         // 0065 CÁ
    "0070 C\xC3\x93",                         // 0070 CÓ
    "0110 C\xE1\xBB\xA6",                     // 0110 CỦ
    "0075 GI",
    "0116 HI",
    "0071 HO",
    "0072 H\xC3\x94",                         // 0072 HÔ
    "0065 H\xC6\xAF",                         // 0065 HƯ
    "0133 KH",
    "0077 L\xC3\x80",                         // 0077 LÀ
    "0094 M\xE1\xBB\x98",                     // 0094 MỘ
    "0604 NG",
    "0295 NH",
    "0073 ON",
    "0069 PH",
    "0193 TH",
    "0159 TR",
    "0132 V\xC3\x80",                         // 0132 VÀ
    "0075 \xC3\x81" "C",                      // 0075 ÁC
    "0066 \xC3\x8AN",                         // 0066 ÊN
    "0143 \xC3\x94N",                         // 0143 ÔN
    "0088 \xC4\x90\xC3\x83",                  // 0088 ĐÃ
    "0068 \xC4\x90\xC6\xAF",                  // 0068 ĐƯ
    "0070 \xC6\xAF\xE1\xBB\xA2",              // 0070 ƯỢ
    "0096 \xE1\xBB\x98T",                     // 0096 ỘT
    "0110 \xE1\xBB\xA6" "A",                  // 0110 ỦA
};

const char* const kVITrigrams[] = {
    "0056 ANH",
    "0062 B\xE1\xBA\xA0N",                    // 0062 BẠN
    "0058 CHI",
    "0070 CHO",
    "0097 C\xC3\x81" "C",                     // 0097 CÁC
    "0187 C\xE1\xBB\xA6" "A",                 // 0187 CỦA
    "0039 G\xC6\xAF\xE1\xBB\x9C",             // 0039 GƯỜ
    "0116 H\xC3\x94N",                        // 0116 HÔN
    "0041 H\xE1\xBB\xAEN",                    // 0041 HỮN
    "0038 I\xC3\x8AN",                        // 0038 IÊN
    "0047 I\xE1\xBB\x80U",                    // 0047 IỀU
    "0048 KHI",
    "0107 KH\xC3\x94",                        // 0107 KHÔ
    "0041 M\xC3\x8CN",                        // 0041 MÌN
    "0161 M\xE1\xBB\x98T",                    // 0161 MỘT
    "0035 NGH",
    "0041 NG\xC6\xAF",                        // 0041 NGƯ
    "0037 NHI",
    "0083 NH\xC6\xAF",                        // 0083 NHƯ
    "0041 NH\xE1\xBB\xAE",                    // 0041 NHỮ
    "0097 ONG",
    "0088 RON",
    "0042 TH\xE1\xBB\x82",                    // 0042 THỂ
    "0088 TRO",
    "0081 T\xC3\x94I",                        // 0081 TÔI
    "0037 VER",
    "0069 V\xE1\xBB\x9AI",                    // 0069 VỚI
    "0065 \xC3\x8CNH",                        // 0065 ÌNH
    "0224 \xC3\x94NG",                        // 0224 ÔNG
    "0104 \xC4\x90\xC6\xAF\xE1\xBB\xA2",      // 0104 ĐƯỢ
    "0037 \xC4\x90\xE1\xBA\xBEN",             // 0037 ĐẾN
    "0047 \xC6\xAF\xE1\xBB\x9CI",             // 0047 ƯỜI
    "0107 \xC6\xAF\xE1\xBB\xA2" "C",          // 0107 ƯỢC
    "0040 \xE1\xBA\xB0NG",                    // 0040 ẰNG
    "0042 \xE1\xBB\xAENG",                    // 0042 ỮNG
};

}  // namespace

TStrArray LoadListSQ(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kSQSingle, std::size(kSQSingle)},
                              {kSQDigrams, std::size(kSQDigrams)},
                              {kSQTrigrams, std::size(kSQTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListTA(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kTASingle, std::size(kTASingle)},
                              {kTADigrams, std::size(kTADigrams)},
                              {kTATrigrams, std::size(kTATrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListTU(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kTUSingle, std::size(kTUSingle)},
                              {kTUDigrams, std::size(kTUDigrams)},
                              {kTUTrigrams, std::size(kTUTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListUK(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kUKSingle, std::size(kUKSingle)},
                              {kUKDigrams, std::size(kUKDigrams)},
                              {kUKTrigrams, std::size(kUKTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListVI(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kVISingle, std::size(kVISingle)},
                              {kVIDigrams, std::size(kVIDigrams)},
                              {kVITrigrams, std::size(kVITrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}
