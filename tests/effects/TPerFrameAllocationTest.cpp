// The effects drawn every frame keep to their fixed pools: once under way, a frame of them
// asks nothing of the heap. The whole test program allocates through the counter below; it
// counts only while a test holds a HeapWatch.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "effects/TConfettiFireworks.h"
#include "effects/TGeneralShine.h"
#include "effects/TPlayShine.h"
#include "effects/TScreenDustEffect.h"
#include "engine/TGameRandom.h"
#include "engine/TOmegaImageList.h"

namespace {
thread_local bool Watching = false;
thread_local int Allocations = 0;

struct HeapWatch {
  HeapWatch() { Allocations = 0, Watching = true; }
  ~HeapWatch() { Watching = false; }
  int Count() const { return Allocations; }
};
}  // namespace

void* operator new(std::size_t size) {
  if (Watching) ++Allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(PerFrameAllocation, TheScreenDustTheFireworksAndTheShinesDrawFromTheirPools) {
  // No pictures and no screen: what is counted is the effects' own work, names included.
  TOmegaImageList images;
  TGameRandom::SetSeed(4);
  TScreenDustEffect dust(images);
  TConfettiFireworks fireworks;
  fireworks.OmgImgList = &images;
  TGeneralShine shine;
  shine.OmgImgList = &images;
  shine.Start();
  TPlayShine playShine;
  playShine.OmgImgList = &images;
  fireworks.Launch(-50, 710);
  for (int i = 0; i < 60; ++i) {  // motes everywhere, the rocket bursting
    dust.UpdateAndDraw();
    fireworks.UpdateAndDraw();
  }
  ASSERT_GT(fireworks.LiveConfetti(), 0);
  HeapWatch watch;
  for (int i = 0; i < 30; ++i) {
    dust.UpdateAndDraw();
    fireworks.UpdateAndDraw();
    shine.UpdateAndDraw();
    playShine.UpdateAndDraw();
  }
  EXPECT_EQ(watch.Count(), 0);
}
