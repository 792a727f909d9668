// A message that a command of the generator asks its window to show: a modal
// dialog of the given kind (error: caption "Error"; information: caption
// "Information") with one OK button and this text.
#pragma once

#include <string>

enum class TMessageKind { Error, Information };

struct TEngineMessage {
  TMessageKind Kind = TMessageKind::Error;
  std::string Text;
  bool operator==(const TEngineMessage&) const = default;
};
