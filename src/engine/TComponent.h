#pragma once

// The common base of every game component. Components are owned by the main window
// (or, for small parts, by another component) and are never copied.
class TComponent {
 public:
  TComponent() = default;
  virtual ~TComponent() = default;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
};
