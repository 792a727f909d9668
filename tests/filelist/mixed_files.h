// Small files of every kind the file list's readers know (text, image,
// audio, video, document, web page, folder), generated for the reader thread
// tests and the readers' benchmark.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace mixedfiles {

inline void Put32LE(std::string& s, uint32_t v) {
  for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}
inline void Put16LE(std::string& s, uint16_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>(v >> 8);
}
inline void Put32BE(std::string& s, uint32_t v) {
  for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline std::string Png(uint32_t w, uint32_t h) {
  std::string s("\x89PNG\r\n\x1a\n", 8);
  Put32BE(s, 13);
  s += "IHDR";
  Put32BE(s, w);
  Put32BE(s, h);
  s += std::string("\x08\x02\x00\x00\x00", 5);
  Put32BE(s, 0);
  Put32BE(s, 0);
  s += "IEND";
  Put32BE(s, 0);
  return s;
}

inline std::string Bmp(int32_t w, int32_t h) {
  std::string s = "BM";
  Put32LE(s, 54);
  Put32LE(s, 0);
  Put32LE(s, 54);
  Put32LE(s, 40);
  Put32LE(s, static_cast<uint32_t>(w));
  Put32LE(s, static_cast<uint32_t>(h));
  Put16LE(s, 1);
  Put16LE(s, 24);
  Put32LE(s, 0);
  Put32LE(s, 0);
  Put32LE(s, 2835);
  Put32LE(s, 2835);
  Put32LE(s, 0);
  Put32LE(s, 0);
  return s;
}

inline std::string Wav(uint32_t rate, uint32_t samples) {
  std::string s = "RIFF";
  Put32LE(s, 36 + samples * 2);
  s += "WAVEfmt ";
  Put32LE(s, 16);
  Put16LE(s, 1);
  Put16LE(s, 1);
  Put32LE(s, rate);
  Put32LE(s, rate * 2);
  Put16LE(s, 2);
  Put16LE(s, 16);
  s += "data";
  Put32LE(s, samples * 2);
  s += std::string(samples * 2, '\0');
  return s;
}

// MPEG-1 layer III frames, 128 kbit/s, 44.1 kHz, after an ID3v1 tag's worth of
// silence in front.
inline std::string Mp3(int frames) {
  std::string s;
  for (int i = 0; i < frames; ++i) {
    s += std::string("\xFF\xFB\x90\x64", 4);
    s += std::string(417 - 4, '\0');
  }
  return s;
}

inline std::string Pdf(const std::string& title) {
  return "%PDF-1.4\n1 0 obj\n<< /Type /Catalog /Pages 2 0 R >>\nendobj\n2 0 obj\n<< /Type /Pages /Kids [3 0 R] "
         "/Count 1 >>\nendobj\n3 0 obj\n<< /Type /Page /Parent 2 0 R >>\nendobj\n4 0 obj\n<< /Title (" +
         title + ") /Author (Writer) >>\nendobj\ntrailer\n<< /Root 1 0 R /Info 4 0 R >>\n%%EOF\n";
}

// The words of text file number i: i % 7 + 1.
inline std::string Text(int i) {
  std::string s;
  for (int w = 0; w <= i % 7; ++w) s += "word ";
  return s + "\n";
}

inline void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// count entries under root, cycling through the kinds; the paths in order.
inline std::vector<std::string> Generate(const std::string& root, int count) {
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    const std::string base = root + "/f" + std::to_string(i);
    std::string path;
    switch (i % 9) {
      case 0: Write(path = base + ".txt", Text(i)); break;
      case 1: Write(path = base + ".png", Png(10 + i % 50, 20 + i % 30)); break;
      case 2: Write(path = base + ".bmp", Bmp(5 + i % 9, 7)); break;
      case 3: Write(path = base + ".wav", Wav(8000, 800)); break;
      case 4: Write(path = base + ".mp3", Mp3(8)); break;
      case 5: Write(path = base + ".pdf", Pdf("Title " + std::to_string(i))); break;
      case 6:
        Write(path = base + ".html", "<html><head><title>Page " + std::to_string(i) + "</title></head></html>");
        break;
      case 7: Write(path = base + ".avi", std::string("RIFF\0\0\0\0AVI LIST", 16) + std::string(64, '\0')); break;
      default:
        path = base + "_folder";
        std::filesystem::create_directory(path);
        Write(path + "/inside.txt", "x");
        break;
    }
    paths.push_back(path);
  }
  return paths;
}

}  // namespace mixedfiles
