#pragma once
#include "platform/IMessageBoxes.h"

struct SDL_Window;

class TSdlMessageBoxes : public IMessageBoxes {
 public:
  explicit TSdlMessageBoxes(SDL_Window* parent = nullptr) : Parent(parent) {}
  void SetParent(SDL_Window* parent) { Parent = parent; }
  TMessageResult Show(const std::string& caption, const std::string& text,
                      TMessageButtons buttons, bool error) override;

 private:
  SDL_Window* Parent;
};
