// clang-format off
// Built-in syllable lists: Greek (gr), Hebrew (he), Hindi (hi), Croatian (hr), Ido (id), Irish (ir).
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

const char* const kGRSingle[] = {
    "1075 \xCE\x91",                          // 1075 Α
    "0074 \xCE\x92",                          // 0074 Β
    "0162 \xCE\x93",                          // 0162 Γ
    "0155 \xCE\x94",                          // 0155 Δ
    "0737 \xCE\x95",                          // 0737 Ε
    "0033 \xCE\x96",                          // 0033 Ζ
    "0325 \xCE\x97",                          // 0325 Η
    "0116 \xCE\x98",                          // 0116 Θ
    "0670 \xCE\x99",                          // 0670 Ι
    "0366 \xCE\x9A",                          // 0366 Κ
    "0254 \xCE\x9B",                          // 0254 Λ
    "0355 \xCE\x9C",                          // 0355 Μ
    "0617 \xCE\x9D",                          // 0617 Ν
    "0042 \xCE\x9E",                          // 0042 Ξ
    "0715 \xCE\x9F",                          // 0715 Ο
    "0395 \xCE\xA0",                          // 0395 Π
    "0412 \xCE\xA1",                          // 0412 Ρ
    "0667 \xCE\xA3",                          // 0667 Σ
    "0789 \xCE\xA4",                          // 0789 Τ
    "0294 \xCE\xA5",                          // 0294 Υ
    "0072 \xCE\xA6",                          // 0072 Φ
    "0126 \xCE\xA7",                          // 0126 Χ
    "0015 \xCE\xA8",                          // 0015 Ψ
    "0116 \xCE\xA9",                          // 0116 Ω
    "0233 \xCE\x86",                          // 0233 Ά
    "0211 \xCE\x88",                          // 0211 Έ
    "0153 \xCE\x89",                          // 0153 Ή
    "0248 \xCE\x8A",                          // 0248 Ί
    "0233 \xCE\x8C",                          // 0233 Ό
    "0102 \xCE\x8E",                          // 0102 Ύ
    "0058 \xCE\x8F",                          // 0058 Ώ
};

const char* const kGRDigrams[] = {
    "0176 \xCE\x91\xCE\x99",                  // 0176 ΑΙ
    "0144 \xCE\x91\xCE\x9D",                  // 0144 ΑΝ
    "0076 \xCE\x91\xCE\xA0",                  // 0076 ΑΠ
    "0077 \xCE\x91\xCE\xA3",                  // 0077 ΑΣ
    "0127 \xCE\x95\xCE\x8A",                  // 0127 ΕΊ
    "0115 \xCE\x95\xCE\x99",                  // 0115 ΕΙ
    "0087 \xCE\x97\xCE\xA3",                  // 0087 ΗΣ
    "0123 \xCE\x99\xCE\x91",                  // 0123 ΙΑ
    "0080 \xCE\x99\xCE\x9A",                  // 0080 ΙΚ
    "0171 \xCE\x9A\xCE\x91",                  // 0171 ΚΑ
    "0075 \xCE\x9C\xCE\x91",                  // 0075 ΜΑ
    "0081 \xCE\x9C\xCE\x95",                  // 0081 ΜΕ
    "0170 \xCE\x9D\xCE\x91",                  // 0170 ΝΑ
    "0194 \xCE\x9F\xCE\xA5",                  // 0194 ΟΥ
    "0123 \xCE\xA0\xCE\x9F",                  // 0123 ΠΟ
    "0080 \xCE\xA1\xCE\x91",                  // 0080 ΡΑ
    "0076 \xCE\xA1\xCE\x9F",                  // 0076 ΡΟ
    "0098 \xCE\xA3\xCE\x95",                  // 0098 ΣΕ
    "0131 \xCE\xA3\xCE\xA4",                  // 0131 ΣΤ
    "0173 \xCE\xA4\xCE\x91",                  // 0173 ΤΑ
    "0076 \xCE\xA4\xCE\x95",                  // 0076 ΤΕ
    "0150 \xCE\xA4\xCE\x97",                  // 0150 ΤΗ
    "0092 \xCE\xA4\xCE\x99",                  // 0092 ΤΙ
    "0232 \xCE\xA4\xCE\x9F",                  // 0232 ΤΟ
};

const char* const kGRTrigrams[] = {
    "0046 \xCE\x88\xCE\x9D\xCE\x91",          // 0046 ΈΝΑ
    "0048 \xCE\x89\xCE\xA4\xCE\x91",          // 0048 ΉΤΑ
    "0043 \xCE\x8A\xCE\x9D\xCE\x91",          // 0043 ΊΝΑ
    "0060 \xCE\x91\xCE\xA0\xCE\x8C",          // 0060 ΑΠΌ
    "0044 \xCE\x91\xCE\xA5\xCE\xA4",          // 0044 ΑΥΤ
    "0057 \xCE\x93\xCE\x99\xCE\x91",          // 0057 ΓΙΑ
    "0049 \xCE\x94\xCE\x95\xCE\x9D",          // 0049 ΔΕΝ
    "0044 \xCE\x95\xCE\x8A\xCE\x9D",          // 0044 ΕΊΝ
    "0030 \xCE\x95\xCE\x8A\xCE\xA7",          // 0030 ΕΊΧ
    "0132 \xCE\x9A\xCE\x91\xCE\x99",          // 0132 ΚΑΙ
    "0031 \xCE\x9C\xCE\x88\xCE\x9D",          // 0031 ΜΈΝ
    "0042 \xCE\x9D\xCE\x91\xCE\x99",          // 0042 ΝΑΙ
    "0037 \xCE\x9D\xCE\xA4\xCE\x91",          // 0037 ΝΤΑ
    "0042 \xCE\x9F\xCE\xA5\xCE\xA3",          // 0042 ΟΥΣ
    "0042 \xCE\xA0\xCE\x9F\xCE\xA5",          // 0042 ΠΟΥ
    "0031 \xCE\xA0\xCE\xA1\xCE\x9F",          // 0031 ΠΡΟ
    "0036 \xCE\xA3\xCE\x95\xCE\x99",          // 0036 ΣΕΙ
    "0038 \xCE\xA3\xCE\xA4\xCE\x97",          // 0038 ΣΤΗ
    "0047 \xCE\xA3\xCE\xA4\xCE\x9F",          // 0047 ΣΤΟ
    "0034 \xCE\xA4\xCE\x91\xCE\x99",          // 0034 ΤΑΙ
    "0066 \xCE\xA4\xCE\x91\xCE\x9D",          // 0066 ΤΑΝ
    "0067 \xCE\xA4\xCE\x97\xCE\x9D",          // 0067 ΤΗΝ
    "0064 \xCE\xA4\xCE\x97\xCE\xA3",          // 0064 ΤΗΣ
    "0033 \xCE\xA4\xCE\x99\xCE\x9A",          // 0033 ΤΙΚ
    "0104 \xCE\xA4\xCE\x9F\xCE\xA5",          // 0104 ΤΟΥ
};

const char* const kHESingle[] = {
    "0634 \xD7\x90",                          // 0634 א
    "0474 \xD7\x91",                          // 0474 ב
    "0130 \xD7\x92",                          // 0130 ג
    "0259 \xD7\x93",                          // 0259 ד
    "1087 \xD7\x94",                          // 1087 ה
    "1038 \xD7\x95",                          // 1038 ו
    "0133 \xD7\x96",                          // 0133 ז
    "0248 \xD7\x97",                          // 0248 ח
    "0124 \xD7\x98",                          // 0124 ט
    "1106 \xD7\x99",                          // 1106 י
    "0081 \xD7\x9A",                          // 0081 ך
    "0270 \xD7\x9B",                          // 0270 כ
    "0739 \xD7\x9C",                          // 0739 ל
    "0303 \xD7\x9D",                          // 0303 ם
    "0459 \xD7\x9E",                          // 0459 מ
    "0110 \xD7\x9F",                          // 0110 ן
    "0286 \xD7\xA0",                          // 0286 נ
    "0148 \xD7\xA1",                          // 0148 ס
    "0323 \xD7\xA2",                          // 0323 ע
    "0027 \xD7\xA3",                          // 0027 ף
    "0169 \xD7\xA4",                          // 0169 פ
    "0012 \xD7\xA5",                          // 0012 ץ
    "0124 \xD7\xA6",                          // 0124 צ
    "0214 \xD7\xA7",                          // 0214 ק
    "0561 \xD7\xA8",                          // 0561 ר
    "0441 \xD7\xA9",                          // 0441 ש
    "0501 \xD7\xAA",                          // 0501 ת
};

const char* const kHEDigrams[] = {
    "0107 \xD7\x90\xD7\x95",                  // 0107 או
    "0117 \xD7\x90\xD7\xAA",                  // 0117 את
    "0076 \xD7\x91\xD7\x99",                  // 0076 בי
    "0083 \xD7\x93\xD7\x99",                  // 0083 די
    "0082 \xD7\x94\xD7\x95",                  // 0082 הו
    "0191 \xD7\x94\xD7\x99",                  // 0191 הי
    "0110 \xD7\x95\xD7\x90",                  // 0110 וא
    "0100 \xD7\x95\xD7\x9C",                  // 0100 ול
    "0116 \xD7\x95\xD7\xA8",                  // 0116 ור
    "0214 \xD7\x95\xD7\xAA",                  // 0214 ות
    "0129 \xD7\x99\xD7\x94",                  // 0129 יה
    "0147 \xD7\x99\xD7\x95",                  // 0147 יו
    "0090 \xD7\x99\xD7\x99",                  // 0090 יי
    "0202 \xD7\x99\xD7\x9D",                  // 0202 ים
    "0079 \xD7\x99\xD7\xAA",                  // 0079 ית
    "0099 \xD7\x9C\xD7\x90",                  // 0099 לא
    "0115 \xD7\x9C\xD7\x94",                  // 0115 לה
    "0083 \xD7\x9C\xD7\x95",                  // 0083 לו
    "0095 \xD7\x9C\xD7\x99",                  // 0095 לי
    "0090 \xD7\x9E\xD7\x95",                  // 0090 מו
    "0130 \xD7\xA0\xD7\x99",                  // 0130 ני
    "0082 \xD7\xA2\xD7\x9C",                  // 0082 על
    "0082 \xD7\xA8\xD7\x95",                  // 0082 רו
    "0114 \xD7\xA8\xD7\x99",                  // 0114 רי
    "0142 \xD7\xA9\xD7\x9C",                  // 0142 של
};

const char* const kHETrigrams[] = {
    "0035 \xD7\x90\xD7\x91\xD7\x9C",          // 0035 אבל
    "0057 \xD7\x90\xD7\x95\xD7\xAA",          // 0057 אות
    "0035 \xD7\x90\xD7\x97\xD7\xA8",          // 0035 אחר
    "0041 \xD7\x90\xD7\xA0\xD7\x99",          // 0041 אני
    "0033 \xD7\x90\xD7\xAA\xD7\x94",          // 0033 אתה
    "0032 \xD7\x91\xD7\xA8\xD7\x99",          // 0032 ברי
    "0078 \xD7\x94\xD7\x95\xD7\x90",          // 0078 הוא
    "0042 \xD7\x94\xD7\x99\xD7\x90",          // 0042 היא
    "0119 \xD7\x94\xD7\x99\xD7\x94",          // 0119 היה
    "0053 \xD7\x94\xD7\x99\xD7\x95",          // 0053 היו
    "0045 \xD7\x95\xD7\xA8\xD7\x94",          // 0045 ורה
    "0032 \xD7\x95\xD7\xAA\xD7\xA8",          // 0032 ותר
    "0078 \xD7\x99\xD7\x95\xD7\xAA",          // 0078 יות
    "0047 \xD7\x99\xD7\x99\xD7\x9D",          // 0047 יים
    "0033 \xD7\x99\xD7\x9B\xD7\x95",          // 0033 יכו
    "0033 \xD7\x9B\xD7\x95\xD7\x9C",          // 0033 כול
    "0038 \xD7\x9B\xD7\x99\xD7\x9D",          // 0038 כים
    "0030 \xD7\x9B\xD7\x9E\xD7\x95",          // 0030 כמו
    "0039 \xD7\xA8\xD7\x99\xD7\x9D",          // 0039 רים
    "0031 \xD7\xA9\xD7\x9C\xD7\x94",          // 0031 שלה
    "0035 \xD7\xA9\xD7\x9C\xD7\x95",          // 0035 שלו
};

const char* const kHISingle[] = {
    "0030 \xE0\xA4\x81",                      // 0030 ँ
    "0344 \xE0\xA4\x82",                      // 0344 ं
    "0001 \xE0\xA4\x83",                      // 0001 ः
    "0101 \xE0\xA4\x85",                      // 0101 अ
    "0066 \xE0\xA4\x86",                      // 0066 आ
    "0031 \xE0\xA4\x87",                      // 0031 इ
    "0020 \xE0\xA4\x88",                      // 0020 ई
    "0078 \xE0\xA4\x89",                      // 0078 उ
    "0005 \xE0\xA4\x8A",                      // 0005 ऊ
    "0000 \xE0\xA4\x8B",                      // 0000 ऋ
    "0134 \xE0\xA4\x8F",                      // 0134 ए
    "0003 \xE0\xA4\x90",                      // 0003 ऐ
    "0003 \xE0\xA4\x91",                      // 0003 ऑ
    "0010 \xE0\xA4\x93",                      // 0010 ओ
    "0094 \xE0\xA4\x94",                      // 0094 औ
    "0714 \xE0\xA4\x95",                      // 0714 क
    "0070 \xE0\xA4\x96",                      // 0070 ख
    "0131 \xE0\xA4\x97",                      // 0131 ग
    "0020 \xE0\xA4\x98",                      // 0020 घ
    "0116 \xE0\xA4\x9A",                      // 0116 च
    "0045 \xE0\xA4\x9B",                      // 0045 छ
    "0139 \xE0\xA4\x9C",                      // 0139 ज
    "0019 \xE0\xA4\x9D",                      // 0019 झ
    "0001 \xE0\xA4\x9E",                      // 0001 ञ
    "0057 \xE0\xA4\x9F",                      // 0057 ट
    "0017 \xE0\xA4\xA0",                      // 0017 ठ
    "0075 \xE0\xA4\xA1",                      // 0075 ड
    "0009 \xE0\xA4\xA2",                      // 0009 ढ
    "0013 \xE0\xA4\xA3",                      // 0013 ण
    "0289 \xE0\xA4\xA4",                      // 0289 त
    "0115 \xE0\xA4\xA5",                      // 0115 थ
    "0168 \xE0\xA4\xA6",                      // 0168 द
    "0036 \xE0\xA4\xA7",                      // 0036 ध
    "0348 \xE0\xA4\xA8",                      // 0348 न
    "0266 \xE0\xA4\xAA",                      // 0266 प
    "0035 \xE0\xA4\xAB",                      // 0035 फ
    "0178 \xE0\xA4\xAC",                      // 0178 ब
    "0067 \xE0\xA4\xAD",                      // 0067 भ
    "0328 \xE0\xA4\xAE",                      // 0328 म
    "0220 \xE0\xA4\xAF",                      // 0220 य
    "0591 \xE0\xA4\xB0",                      // 0591 र
    "0245 \xE0\xA4\xB2",                      // 0245 ल
    "0162 \xE0\xA4\xB5",                      // 0162 व
    "0076 \xE0\xA4\xB6",                      // 0076 श
    "0027 \xE0\xA4\xB7",                      // 0027 ष
    "0378 \xE0\xA4\xB8",                      // 0378 स
    "0482 \xE0\xA4\xB9",                      // 0482 ह
    "0067 \xE0\xA4\xBC",                      // 0067 ़
    "0822 \xE0\xA4\xBE",                      // 0822 ा
    "0320 \xE0\xA4\xBF",                      // 0320 ि
    "0347 \xE0\xA5\x80",                      // 0347 ी
    "0145 \xE0\xA5\x81",                      // 0145 ु
    "0081 \xE0\xA5\x82",                      // 0081 ू
    "0010 \xE0\xA5\x83",                      // 0010 ृ
    "0000 \xE0\xA5\x85",                      // 0000 ॅ
    "0685 \xE0\xA5\x87",                      // 0685 े
    "0196 \xE0\xA5\x88",                      // 0196 ै
    "0010 \xE0\xA5\x89",                      // 0010 ॉ
    "0221 \xE0\xA5\x8B",                      // 0221 ो
    "0015 \xE0\xA5\x8C",                      // 0015 ौ
    "0302 \xE0\xA5\x8D",                      // 0302 ्
};

const char* const kHIDigrams[] = {
    "0107 \xE0\xA4\x8F\xE0\xA4\x95",          // 0107 एक
    "0131 \xE0\xA4\x94\xE0\xA4\xB0",          // 0131 और
    "0120 \xE0\xA4\x95\xE0\xA4\xBF",          // 0120 कि
    "0083 \xE0\xA4\x95\xE0\xA5\x80",          // 0083 की
    "0215 \xE0\xA4\x95\xE0\xA5\x87",          // 0215 के
    "0075 \xE0\xA4\xA1\xE0\xA4\xBC",          // 0075 ड़
    "0078 \xE0\xA4\xA5\xE0\xA4\xBE",          // 0078 था
    "0112 \xE0\xA4\xA8\xE0\xA5\x87",          // 0112 ने
    "0140 \xE0\xA4\xAE\xE0\xA5\x87",          // 0140 मे
    "0158 \xE0\xA4\xAF\xE0\xA4\xBE",          // 0158 या
    "0122 \xE0\xA4\xB8\xE0\xA5\x87",          // 0122 से
    "0080 \xE0\xA4\xB9\xE0\xA4\xBE",          // 0080 हा
    "0176 \xE0\xA4\xB9\xE0\xA5\x88",          // 0176 है
    "0099 \xE0\xA4\xBE\xE0\xA4\xB0",          // 0099 ार
    "0144 \xE0\xA5\x87\xE0\xA4\x82",          // 0144 ें
    "0084 \xE0\xA5\x88\xE0\xA4\x82",          // 0084 ैं
    "0079 \xE0\xA5\x8D\xE0\xA4\xAF",          // 0079 ्य
};

const char* const kHITrigrams[] = {
    "0084 \xE0\xA4\x85\xE0\xA4\xAA\xE0\xA4\xA8",  // 0084 अपन
    "0045 \xE0\xA4\x89\xE0\xA4\xB8\xE0\xA4\x95",  // 0045 उसक
    "0031 \xE0\xA4\x89\xE0\xA4\xB8\xE0\xA5\x87",  // 0031 उसे
    "0043 \xE0\xA4\x95\xE0\xA4\xB9\xE0\xA4\xBE",  // 0043 कहा
    "0036 \xE0\xA4\x95\xE0\xA4\xBF\xE0\xA4\xA8",  // 0036 किन
    "0036 \xE0\xA4\x95\xE0\xA4\xBF\xE0\xA4\xAF",  // 0036 किय
    "0040 \xE0\xA4\x95\xE0\xA5\x8D\xE0\xA4\xAF",  // 0040 क्य
    "0045 \xE0\xA4\x97\xE0\xA4\xAF\xE0\xA4\xBE",  // 0045 गया
    "0030 \xE0\xA4\xA1\xE0\xA4\xBC\xE0\xA5\x80",  // 0030 ड़ी
    "0049 \xE0\xA4\xA4\xE0\xA5\x81\xE0\xA4\xAE",  // 0049 तुम
    "0032 \xE0\xA4\xA6\xE0\xA5\x87\xE0\xA4\x96",  // 0032 देख
    "0080 \xE0\xA4\xA8\xE0\xA4\xB9\xE0\xA5\x80",  // 0080 नही
    "0060 \xE0\xA4\xAA\xE0\xA4\xA8\xE0\xA5\x87",  // 0060 पने
    "0036 \xE0\xA4\xAA\xE0\xA5\x8D\xE0\xA4\xB0",  // 0036 प्र
    "0033 \xE0\xA4\xAC\xE0\xA4\xBE\xE0\xA4\xB0",  // 0033 बार
    "0195 \xE0\xA4\xAE\xE0\xA5\x87\xE0\xA4\x82",  // 0195 में
    "0084 \xE0\xA4\xAE\xE0\xA5\x88\xE0\xA4\x82",  // 0084 मैं
    "0035 \xE0\xA4\xAF\xE0\xA5\x8B\xE0\xA4\x82",  // 0035 यों
    "0040 \xE0\xA4\xB0\xE0\xA5\x82\xE0\xA4\xAA",  // 0040 रूप
    "0082 \xE0\xA4\xB2\xE0\xA4\xBF\xE0\xA4\x8F",  // 0082 लिए
    "0034 \xE0\xA4\xB2\xE0\xA5\x87\xE0\xA4\x95",  // 0034 लेक
    "0036 \xE0\xA4\xB8\xE0\xA4\x95\xE0\xA4\xA4",  // 0036 सकत
    "0032 \xE0\xA4\xB8\xE0\xA4\x95\xE0\xA5\x87",  // 0032 सके
    "0057 \xE0\xA4\xB8\xE0\xA4\xBE\xE0\xA4\xA5",  // 0057 साथ
    "0082 \xE0\xA4\xB9\xE0\xA5\x80\xE0\xA4\x82",  // 0082 हीं
    "0049 \xE0\xA4\xB9\xE0\xA5\x88\xE0\xA4\x82",  // 0049 हैं
    "0084 \xE0\xA4\xBF\xE0\xA4\xAF\xE0\xA4\xBE",  // 0084 िया
    "0033 \xE0\xA5\x87\xE0\xA4\x95\xE0\xA4\xBF",  // 0033 ेकि
    "0031 \xE0\xA5\x8B\xE0\xA4\xA1\xE0\xA4\xBC",  // 0031 ोड़
    "0056 \xE0\xA5\x8D\xE0\xA4\xAF\xE0\xA4\xBE",  // 0056 ्या
};

const char* const kHRSingle[] = {
    "1127 A",
    "0154 B",
    "0112 C",
    "0049 \xC4\x86",                          // 0049 Ć
    "0092 \xC4\x8C",                          // 0092 Č
    "0320 D",
    "0020 \xC4\x90",                          // 0020 Đ
    "0843 E",
    "0031 F",
    "0163 G",
    "0104 H",
    "1004 I",
    "0515 J",
    "0385 K",
    "0355 L",
    "0295 M",
    "0639 N",
    "0901 O",
    "0300 P",
    "0547 R",
    "0511 S",
    "0073 \xC5\xA0",                          // 0073 Š
    "0447 T",
    "0433 U",
    "0354 V",
    "0004 W",
    "0002 X",
    "0005 Y",
    "0169 Z",
    "0047 \xC5\xBD",                          // 0047 Ž
};

const char* const kHRDigrams[] = {
    "0087 AL",
    "0140 AN",
    "0087 AT",
    "0110 EN",
    "0147 IJ",
    "0079 IM",
    "0083 IN",
    "0108 JA",
    "0317 JE",
    "0090 KA",
    "0157 KO",
    "0091 LA",
    "0112 LI",
    "0084 MA",
    "0181 NA",
    "0083 NE",
    "0155 NI",
    "0091 NJ",
    "0111 NO",
    "0097 OD",
    "0083 OJ",
    "0085 OM",
    "0087 OS",
    "0095 OV",
    "0124 PO",
    "0108 PR",
    "0172 RA",
    "0101 RE",
    "0096 RI",
    "0088 SK",
    "0151 ST",
    "0112 TA",
    "0108 TI",
    "0108 VA",
    "0077 VO",
};

const char* const kHRTrigrams[] = {
    "0030 ACI",
    "0029 AKO",
    "0031 ALI",
    "0027 ANI",
    "0044 ANJ",
    "0027 ATI",
    "0040 CIJ",
    "0027 EDI",
    "0030 ENI",
    "0027 HRV",
    "0042 IJA",
    "0096 IJE",
    "0029 ILI",
    "0039 IMA",
    "0025 IRA",
    "0027 IST",
    "0035 JED",
    "0030 JEN",
    "0044 KOJ",
    "0027 KOM",
    "0033 LJE",
    "0035 NJA",
    "0048 NJE",
    "0046 OST",
    "0026 OVA",
    "0030 OVI",
    "0038 PRE",
    "0036 PRI",
    "0033 PRO",
    "0038 RAN",
    "0033 RED",
    "0034 RIJ",
    "0031 RVA",
    "0030 SKI",
    "0031 SKO",
    "0057 STA",
    "0034 STI",
    "0027 TRA",
    "0027 TSK",
    "0033 VAT",
};

const char* const kIDSingle[] = {
    "1297 A",
    "0132 B",
    "0162 C",
    "0401 D",
    "0979 E",
    "0103 F",
    "0130 G",
    "0087 H",
    "1018 I",
    "0045 J",
    "0330 K",
    "0600 L",
    "0323 M",
    "0625 N",
    "0901 O",
    "0283 P",
    "0038 Q",
    "0672 R",
    "0612 S",
    "0553 T",
    "0380 U",
    "0147 V",
    "0013 W",
    "0030 X",
    "0050 Y",
    "0075 Z",
};

const char* const kIDDigrams[] = {
    "0128 AL",
    "0154 AN",
    "0161 AR",
    "0147 AS",
    "0076 AT",
    "0076 DA",
    "0092 DE",
    "0197 DI",
    "0170 EN",
    "0150 ER",
    "0178 ES",
    "0078 IL",
    "0132 IN",
    "0091 IO",
    "0138 IS",
    "0078 IT",
    "0111 KO",
    "0290 LA",
    "0122 LI",
    "0092 MA",
    "0094 NA",
    "0091 NI",
    "0122 NT",
    "0080 OM",
    "0138 ON",
    "0117 OR",
    "0082 PO",
    "0128 RA",
    "0138 RE",
    "0140 RI",
    "0130 RO",
    "0084 SA",
    "0093 ST",
    "0203 TA",
    "0106 TE",
    "0125 TI",
    "0118 TO",
};

const char* const kIDTrigrams[] = {
    "0032 AKT",
    "0063 ALA",
    "0064 ANT",
    "0030 EKT",
    "0040 ENT",
    "0031 ERA",
    "0035 ERI",
    "0059 ESA",
    "0037 ESI",
    "0044 ESO",
    "0046 ION",
    "0041 IST",
    "0059 ITA",
    "0039 KOM",
    "0049 KON",
    "0033 KTA",
    "0044 NTA",
    "0047 NTE",
    "0035 ONO",
    "0053 PER",
    "0030 PRE",
    "0038 PRO",
    "0038 QUA",
    "0032 RAN",
    "0052 SAS",
    "0037 SIS",
    "0032 STA",
    "0036 TAR",
    "0035 TER",
    "0033 TRA",
};

const char* const kIRSingle[] = {
    "1547 A",
    "0248 B",
    "0426 C",
    "0375 D",
    "0601 E",
    "0159 F",
    "0343 G",
    "0787 H",
    "0914 I",
    "0390 L",
    "0303 M",
    "0736 N",
    "0406 O",
    "0067 P",
    "0595 R",
    "0573 S",
    "0477 T",
    "0269 U",
    "0165 \xC3\x81",                          // 0165 Á
    "0166 \xC3\x89",                          // 0166 É
    "0184 \xC3\x8D",                          // 0184 Í
    "0076 \xC3\x93",                          // 0076 Ó
    "0083 \xC3\x9A",                          // 0083 Ú
};

const char* const kIRDigrams[] = {
    "0178 AC",
    "0118 AD",
    "0171 AG",
    "0262 AI",
    "0285 AN",
    "0221 AR",
    "0191 BH",
    "0301 CH",
    "0104 DH",
    "0231 EA",
    "0086 EI",
    "0104 GU",
    "0135 HA",
    "0111 HE",
    "0081 ID",
    "0113 IL",
    "0227 IN",
    "0150 IR",
    "0124 IS",
    "0091 IT",
    "0136 LE",
    "0076 MA",
    "0104 MH",
    "0150 NA",
    "0084 NN",
    "0078 OI",
    "0108 RA",
    "0089 TA",
    "0171 TH",
    "0106 US",
    "0075 \xC3\x81I",                         // 0075 ÁI
};

const char* const kIRTrigrams[] = {
    "0220 ACH",
    "0072 ADH",
    "0131 AGU",
    "0034 AIB",
    "0032 AID",
    "0031 AIG",
    "0057 AIN",
    "0076 AIR",
    "0033 AIS",
    "0056 AIT",
    "0053 AMH",
    "0033 ANA",
    "0055 ANN",
    "0033 AOI",
    "0036 BHE",
    "0043 BHF",
    "0078 BH\xC3\x8D",                        // 0078 BHÍ
    "0035 CHA",
    "0056 CHT",
    "0054 CHU",
    "0059 EAC",
    "0042 EAD",
    "0054 EAN",
    "0046 EAR",
    "0035 EIS",
    "0131 GUS",
    "0072 HAI",
    "0056 HEA",
    "0036 H\xC3\x81I",                        // 0036 HÁI
    "0034 H\xC3\x89" "A",                     // 0034 HÉA
    "0039 IBH",
    "0038 IDH",
    "0040 IGH",
    "0031 ILE",
    "0036 INE",
    "0047 INN",
    "0089 ITH",
    "0037 LEA",
    "0040 MAR",
    "0036 MHA",
    "0032 NAC",
    "0052 RAI",
    "0047 REA",
    "0047 SIN",
    "0035 TAI",
    "0030 TEA",
    "0052 THA",
    "0056 THE",
    "0039 UAI",
    "0035 UIL",
    "0033 \xC3\x81IN",                        // 0033 ÁIN
};

}  // namespace

TStrArray LoadListGR(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kGRSingle, std::size(kGRSingle)},
                              {kGRDigrams, std::size(kGRDigrams)},
                              {kGRTrigrams, std::size(kGRTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListHE(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kHESingle, std::size(kHESingle)},
                              {kHEDigrams, std::size(kHEDigrams)},
                              {kHETrigrams, std::size(kHETrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListHI(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kHISingle, std::size(kHISingle)},
                              {kHIDigrams, std::size(kHIDigrams)},
                              {kHITrigrams, std::size(kHITrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListHR(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kHRSingle, std::size(kHRSingle)},
                              {kHRDigrams, std::size(kHRDigrams)},
                              {kHRTrigrams, std::size(kHRTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListID(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kIDSingle, std::size(kIDSingle)},
                              {kIDDigrams, std::size(kIDDigrams)},
                              {kIDTrigrams, std::size(kIDTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}

TStrArray LoadListIR(bool AddSingle, bool AddDigrams, bool AddTrigrams) {
  return AssembleSyllableList({kIRSingle, std::size(kIRSingle)},
                              {kIRDigrams, std::size(kIRDigrams)},
                              {kIRTrigrams, std::size(kIRTrigrams)}, AddSingle,
                              AddDigrams, AddTrigrams);
}
