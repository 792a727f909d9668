// The standard security handler of PDF, as far as a file that opens without
// a password needs it: the file key from the empty user password (RC4 and
// AES-128 keys of revisions 2 to 4, AES-256 keys of revisions 5 and 6), and
// the decryption of an object's strings and streams with it. A file that
// asks for a user password stays locked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/containers_maps.h"

class TPDFSecurity {
 public:
  // Takes the encryption dictionary's entries (values as written, references
  // resolved) and the bytes of the first part of the file's /ID. True when
  // the empty user password opens the file.
  bool Open(const TKeyValueArrayObj& encryption, std::string_view firstID);
  bool IsOpen() const { return FOpen; }
  // The bytes of a string or of a stream's data of object (number,
  // generation), decrypted; the input unchanged when the file is not open or
  // the crypt filter is the identity.
  std::string DecryptString(std::string_view data, int32_t number, int32_t generation) const;
  std::string DecryptStream(std::string_view data, int32_t number, int32_t generation) const;
  // Whether the XMP metadata stream is encrypted too.
  bool EncryptMetadata() const { return FEncryptMetadata; }

 private:
  enum class TCipher { None, RC4, AES128, AES256 };
  std::string Decrypt(std::string_view data, int32_t number, int32_t generation, TCipher cipher) const;

  bool FOpen = false;
  std::string FKey;
  TCipher FStringCipher = TCipher::None;
  TCipher FStreamCipher = TCipher::None;
  bool FEncryptMetadata = true;
};

// The bytes a PDF string stands for: a literal "(...)" with its escapes, or a
// hexadecimal "<...>"; anything else unchanged.
std::string PDFStringBytes(std::string_view text);

// The block ciphers the handler needs, exposed for their tests: AES with a
// 16- or 32-byte key in CBC mode over whole blocks (no padding added or
// removed), and RC4.
std::string AESEncryptCBC(std::string_view key, std::string_view iv, std::string_view data);
std::string AESDecryptCBC(std::string_view key, std::string_view iv, std::string_view data);
std::string RC4(std::string_view key, std::string_view data);
