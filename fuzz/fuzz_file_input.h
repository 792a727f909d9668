// The file readers open their files by name. For fuzzing, one empty
// placeholder file per extension makes the names exist, and the readers'
// replaceable opener serves the current input from memory instead.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "fileinfo/buffered_stream.h"

class TFuzzFileInput {
 public:
  // Extensions without the dot; "" gives a name without extension.
  TFuzzFileInput(const std::string& target, std::vector<std::string> extensions)
      : FExtensions(std::move(extensions)), FNames(FExtensions.size()) {
    FFolder = std::filesystem::temp_directory_path() / (target + "_" + std::to_string(getpid()));
    std::filesystem::create_directories(FFolder);
    SetStreamOpener(
        [this](const std::string&) -> std::unique_ptr<TStream> { return std::make_unique<TMemoryStream>(FInput); });
  }

  // The first byte picks the extension, the rest is the file's content; the
  // result is the name to read. Nothing for an empty input.
  const std::string* Take(const uint8_t* data, size_t size) {
    if (size == 0) return nullptr;
    const size_t index = data[0] % FExtensions.size();
    FInput.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
    return &Name(index);
  }

  // The whole input is the file's content, read under the first extension.
  const std::string& TakeAll(const uint8_t* data, size_t size) {
    FInput.assign(reinterpret_cast<const char*>(data), size);
    return Name(0);
  }

 private:
  const std::string& Name(size_t index) {
    if (FNames[index].empty()) {
      std::string name = (FFolder / "input").string();
      if (!FExtensions[index].empty()) name += "." + FExtensions[index];
      std::ofstream(name).put('x');
      FNames[index] = name;
    }
    return FNames[index];
  }

  std::vector<std::string> FExtensions;
  std::vector<std::string> FNames;
  std::filesystem::path FFolder;
  std::string FInput;
};
