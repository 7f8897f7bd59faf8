#pragma once
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// Rows of premultiplied ARGB pixels laid over an XRGB frame whose top byte stays 0xFF. The
// four-pixel steps compute exactly what the one-pixel steps do, so where a row starts never
// changes a pixel.
class TPixelRows {
 public:
  // Factors out of 256 for blue, green, red, alpha (the colour ones already times alpha).
  struct TFactors {
    std::uint16_t B = 256, G = 256, R = 256, A = 256;
    bool Identity() const { return R == 256 && G == 256 && B == 256 && A == 256; }
  };

  static std::uint32_t Modulate(std::uint32_t t, const TFactors& f) {
    return (((t >> 24) * f.A >> 8) << 24) | ((((t >> 16) & 0xFF) * f.R >> 8) << 16) |
           ((((t >> 8) & 0xFF) * f.G >> 8) << 8) | ((t & 0xFF) * f.B >> 8);
  }

  static std::uint32_t Over(std::uint32_t d, std::uint32_t s) {
    const std::uint32_t a = s >> 24;
    if (a == 255) return s;
    if (s == 0) return d;
    const std::uint32_t inv = 255 - a;
    std::uint32_t rb = (d & 0xFF00FF) * inv + 0x800080;
    rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    std::uint32_t g = (d & 0xFF00) * inv + 0x8000;
    g = ((g + ((g >> 8) & 0xFF00)) >> 8) & 0xFF00;
    return 0xFF000000u | ((s & 0xFFFFFF) + rb + g);
  }

  static std::uint32_t Add(std::uint32_t d, std::uint32_t s) {
    std::uint32_t rb = (d & 0xFF00FF) + (s & 0xFF00FF);
    std::uint32_t g = (d & 0xFF00) + (s & 0xFF00);
    const std::uint32_t rbc = rb & 0x1000100, gc = g & 0x10000;
    rb = (rb | (rbc - (rbc >> 8))) & 0xFF00FF;
    g = (g | (gc - (gc >> 8))) & 0xFF00;
    return 0xFF000000u | rb | g;
  }

  // dst = src over dst (or dst + src), the source modulated unless the factors are identity.
  template <bool Additive>
  static void Blend(std::uint32_t* dst, const std::uint32_t* src, int n, const TFactors& f) {
    const bool plain = f.Identity();
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i fac = _mm_set_epi16(f.A, f.R, f.G, f.B, f.A, f.R, f.G, f.B);
    const __m128i c128 = _mm_set1_epi16(128), c255 = _mm_set1_epi16(255);
    const __m128i top = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    for (; i + 4 <= n; i += 4) {
      __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
      // Four clear samples change nothing; four opaque unmodulated ones replace what is there.
      if (_mm_movemask_epi8(_mm_cmpeq_epi32(s, zero)) == 0xFFFF) continue;
      if (!Additive && plain &&
          _mm_movemask_epi8(_mm_cmpeq_epi32(_mm_and_si128(s, top), top)) == 0xFFFF) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), s);
        continue;
      }
      __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
      __m128i slo = _mm_unpacklo_epi8(s, zero), shi = _mm_unpackhi_epi8(s, zero);
      if (!plain) {
        slo = _mm_srli_epi16(_mm_mullo_epi16(slo, fac), 8);
        shi = _mm_srli_epi16(_mm_mullo_epi16(shi, fac), 8);
      }
      __m128i out;
      if (Additive) {
        out = _mm_adds_epu8(d, _mm_packus_epi16(slo, shi));
      } else {
        // Alpha in every lane of its pixel.
        __m128i alo = _mm_shufflehi_epi16(_mm_shufflelo_epi16(slo, 0xFF), 0xFF);
        __m128i ahi = _mm_shufflehi_epi16(_mm_shufflelo_epi16(shi, 0xFF), 0xFF);
        __m128i dlo = _mm_unpacklo_epi8(d, zero), dhi = _mm_unpackhi_epi8(d, zero);
        auto scale = [&](__m128i dv, __m128i av) {
          __m128i t = _mm_add_epi16(_mm_mullo_epi16(dv, _mm_sub_epi16(c255, av)), c128);
          return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
        };
        dlo = _mm_add_epi16(scale(dlo, alo), slo);
        dhi = _mm_add_epi16(scale(dhi, ahi), shi);
        out = _mm_packus_epi16(dlo, dhi);
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), _mm_or_si128(out, top));
    }
#endif
    for (; i < n; ++i) {
      const std::uint32_t s = plain ? src[i] : Modulate(src[i], f);
      dst[i] = Additive ? Add(dst[i], s) : Over(dst[i], s);
    }
  }

  // out = a × (256 − w) + b × w over 256, per channel of each pixel; the same values four at
  // a time as one at a time.
  static void Mix(const std::uint32_t* a, const std::uint32_t* b, std::uint32_t w, std::uint32_t* out,
                  int n) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i wb = _mm_set1_epi16(static_cast<short>(w));
    const __m128i wa = _mm_set1_epi16(static_cast<short>(256 - w));
    for (; i + 4 <= n; i += 4) {
      const __m128i pa = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i));
      const __m128i pb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + i));
      // Products stay below 65536, so unsigned 16-bit lanes hold them.
      const __m128i lo = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(pa, zero), wa),
                                                      _mm_mullo_epi16(_mm_unpacklo_epi8(pb, zero), wb)),
                                        8);
      const __m128i hi = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(pa, zero), wa),
                                                      _mm_mullo_epi16(_mm_unpackhi_epi8(pb, zero), wb)),
                                        8);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
    }
#endif
    for (; i < n; ++i) out[i] = Mix(a[i], b[i], w);
  }
  static std::uint32_t Mix(std::uint32_t a, std::uint32_t b, std::uint32_t w) {
    const std::uint32_t v = 256 - w;
    const std::uint32_t rb = (((a & 0xFF00FF) * v + (b & 0xFF00FF) * w) >> 8) & 0xFF00FF;
    const std::uint32_t ag = (((a >> 8) & 0xFF00FF) * v + ((b >> 8) & 0xFF00FF) * w) & 0xFF00FF00;
    return rb | ag;
  }
};
