#include "Ogg.h"

#include <vorbis/codec.h>
#include <vorbis/vorbisenc.h>
#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace snd {

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

void WritePage(FILE* f, const ogg_page& pg) {
  std::fwrite(pg.header, 1, size_t(pg.header_len), f);
  std::fwrite(pg.body, 1, size_t(pg.body_len), f);
}
}  // namespace

void WriteOgg(const std::string& path, const std::vector<const float*>& channels, size_t frames, int rate,
              float quality, int serial) {
  File f(std::fopen(path.c_str(), "wb"));
  if (!f) throw std::runtime_error("cannot write " + path);
  int nch = int(channels.size());
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, nch, rate, quality) != 0) {
    vorbis_info_clear(&vi);
    throw std::runtime_error("vorbis encoder refused the settings for " + path);
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, serial);

  ogg_packet hdr, hdrComm, hdrCode;
  vorbis_analysis_headerout(&vd, &vc, &hdr, &hdrComm, &hdrCode);
  ogg_stream_packetin(&os, &hdr);
  ogg_stream_packetin(&os, &hdrComm);
  ogg_stream_packetin(&os, &hdrCode);
  ogg_page pg;
  while (ogg_stream_flush(&os, &pg)) WritePage(f.get(), pg);

  const size_t chunk = 4096;
  size_t done = 0;
  bool eos = false;
  while (!eos) {
    size_t n = std::min(chunk, frames - done);
    if (n == 0) {
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float** buf = vorbis_analysis_buffer(&vd, int(n));
      for (int c = 0; c < nch; ++c)
        for (size_t i = 0; i < n; ++i) buf[c][i] = std::clamp(channels[c][done + i], -1.0f, 1.0f);
      vorbis_analysis_wrote(&vd, int(n));
      done += n;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet op;
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (ogg_stream_pageout(&os, &pg)) {
          WritePage(f.get(), pg);
          if (ogg_page_eos(&pg)) eos = true;
        }
      }
    }
    if (n == 0) {
      while (ogg_stream_flush(&os, &pg)) WritePage(f.get(), pg);
      eos = true;
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  if (std::ferror(f.get())) throw std::runtime_error("write error on " + path);
}

Decoded ReadOgg(const std::string& path) {
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) throw std::runtime_error("cannot decode " + path);
  vorbis_info* vi = ov_info(&vf, -1);
  Decoded d;
  d.rate = int(vi->rate);
  d.channels.resize(size_t(vi->channels));
  for (;;) {
    float** pcm;
    int section;
    long n = ov_read_float(&vf, &pcm, 4096, &section);
    if (n < 0) {
      ov_clear(&vf);
      throw std::runtime_error("corrupt stream in " + path);
    }
    if (n == 0) break;
    for (size_t c = 0; c < d.channels.size(); ++c) d.channels[c].insert(d.channels[c].end(), pcm[c], pcm[c] + n);
  }
  ov_clear(&vf);
  return d;
}

}  // namespace snd
