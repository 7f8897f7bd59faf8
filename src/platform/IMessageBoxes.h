#pragma once
#include <string>

enum class TMessageButtons { Ok, OkCancel };
enum class TMessageResult { Ok, Cancel };

// Modal message boxes. Every message is also printed, so a headless run still tells it.
class IMessageBoxes {
 public:
  virtual ~IMessageBoxes() = default;
  virtual TMessageResult Show(const std::string& caption, const std::string& text,
                              TMessageButtons buttons, bool error) = 0;
};
