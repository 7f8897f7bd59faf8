#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "platform/IMessageBoxes.h"

// Headless message boxes: printed, remembered, answered with a fixed reply.
class TRecordedMessageBoxes : public IMessageBoxes {
 public:
  struct TShown {
    std::string Caption, Text;
  };
  TMessageResult Show(const std::string& caption, const std::string& text, TMessageButtons,
                      bool) override {
    if (Print) std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    Shown.push_back({caption, text});
    return Reply;
  }
  std::vector<TShown> Shown;
  TMessageResult Reply = TMessageResult::Ok;
  bool Print = true;
};
