// The ciphers of PDF's standard security handler against the published test
// vectors; whole files made by qpdf are checked against pdfinfo in the tool
// checks.
#include "fileinfo/pdf_security.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Hex(const std::string& bytes) {
  static const char* const kDigits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

std::string Unhex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

}  // namespace

TEST(PDFSecurity, CipherTestVectors) {
  // FIPS-197, appendix C: one block, with a zero vector CBC is the block cipher.
  const std::string plain = Unhex("00112233445566778899aabbccddeeff");
  const std::string zero(16, '\0');
  const std::string key128 = Unhex("000102030405060708090a0b0c0d0e0f");
  const std::string key256 = Unhex("000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f");
  EXPECT_EQ(Hex(AESEncryptCBC(key128, zero, plain)), "69c4e0d86a7b0430d8cdb78070b4c55a");
  EXPECT_EQ(Hex(AESEncryptCBC(key256, zero, plain)), "8ea2b7ca516745bfeafc49904b496089");
  EXPECT_EQ(AESDecryptCBC(key128, zero, Unhex("69c4e0d86a7b0430d8cdb78070b4c55a")), plain);
  EXPECT_EQ(AESDecryptCBC(key256, zero, Unhex("8ea2b7ca516745bfeafc49904b496089")), plain);
  // CBC chains the blocks: two equal blocks encrypt differently and decrypt back.
  const std::string iv = Unhex("0f0e0d0c0b0a09080706050403020100");
  const std::string two = AESEncryptCBC(key128, iv, plain + plain);
  EXPECT_NE(two.substr(0, 16), two.substr(16));
  EXPECT_EQ(AESDecryptCBC(key128, iv, two), plain + plain);
  // RC4 of the classic examples.
  EXPECT_EQ(Hex(RC4("Key", "Plaintext")), "bbf316e8d940af0ad3");
  EXPECT_EQ(Hex(RC4("Wiki", "pedia")), "1021bf0420");
  EXPECT_EQ(RC4("Key", RC4("Key", "round trip")), "round trip");
}

TEST(PDFSecurity, StringBytesAndLockedFiles) {
  EXPECT_EQ(PDFStringBytes("(a\\(b\\)\\101\\n)"), "a(b)A\n");
  EXPECT_EQ(PDFStringBytes("<48 69 7>"), "Hip");
  EXPECT_EQ(PDFStringBytes("/Name"), "/Name");
  // A handler of another name, or entries too short, open nothing; strings
  // then pass unchanged.
  TPDFSecurity security;
  TKeyValueArrayObj other;
  other.Add("Filter", "/Other");
  EXPECT_FALSE(security.Open(other, ""));
  TKeyValueArrayObj shortEntries;
  shortEntries.Add("Filter", "/Standard");
  shortEntries.Add("V", "2");
  shortEntries.Add("R", "3");
  shortEntries.Add("O", "<00>");
  shortEntries.Add("U", "<00>");
  EXPECT_FALSE(security.Open(shortEntries, ""));
  EXPECT_EQ(security.DecryptString("abc", 1, 0), "abc");
}

// A revision 6 file as qpdf wrote it with an empty user password, whose hash
// ends in a round where the last byte of E equals the rounds done less 32:
// stopping one round early gives another key, and the file stays locked.
TEST(PDFSecurity, Revision6HashStopsAfterTheRoundItCounts) {
  TKeyValueArrayObj entries;
  entries.Add("Filter", "/Standard");
  entries.Add("V", "5");
  entries.Add("R", "6");
  entries.Add("Length", "256");
  entries.Add("P", "-4");
  entries.Add("CF", "<< /StdCF << /AuthEvent /DocOpen /CFM /AESV3 /Length 32 >> >>");
  entries.Add("StmF", "/StdCF");
  entries.Add("StrF", "/StdCF");
  entries.Add("O",
              "<45f0a5b1ea63216ce8bf49f8e089d612fc27732c804021b0eb375b1583513bdaf41e05a6d28faba8898c0178164d9ed0>");
  entries.Add("OE", "<95e8b8302d0585486debee5f9b1b985bdacfd4aa2f9e7f9fcfd31db4da355f87>");
  entries.Add("U",
              "<3d273dbce0d5469e911873bdc09d28099c40c429943d3120fb3bc62aa85c0446cca4e7a2a36ae6cdcc73bea0fb46cd18>");
  entries.Add("UE", "<d69770add3f6c2c3014b596c7f3198d5b3e29686574a8861a5931138e684bb71>");
  entries.Add("Perms", "<245ba9035d0c569f64da16b5b2fb2167>");
  TPDFSecurity security;
  ASSERT_TRUE(security.Open(entries, ""));
  const std::string title =
      Unhex("1c7dd5d56aa7f8c650f0b7e020ef2e24fe7e0930caec8b13d858af7ff3b80315fe58c84fd09be600ff7e6357350992b7");
  EXPECT_EQ(security.DecryptString(title, 2, 0), "Plan (draft) caf\xE9");
}
