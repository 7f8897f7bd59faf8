#pragma once

// A screen rectangle the aerosol covers, right and bottom exclusive.
struct TSprayRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
