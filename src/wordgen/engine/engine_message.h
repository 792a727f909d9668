// A message that a command of the generator asks its window to show: a modal
// dialog of the given kind (error: caption "Error"; information: caption
// "Information") with one OK button and this text. The window also warns of
// what a save left out (caption "Warning").
#pragma once

#include <string>

enum class TMessageKind { Error, Information, Warning };

struct TEngineMessage {
  TMessageKind Kind = TMessageKind::Error;
  std::string Text;
  bool operator==(const TEngineMessage&) const = default;
};
