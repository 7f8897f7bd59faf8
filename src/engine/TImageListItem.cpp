#include "engine/TImageListItem.h"

#include "engine/TOmegaImageList.h"
#include "engine/TOmegaRenderer.h"
#include "engine/TPictureDecoder.h"

TImageListItem::~TImageListItem() { ReleaseTexture(); }

void TImageListItem::SetPicture(TPicture picture) {
  Picture = std::move(picture);
  PicWidth = Picture.Width > 0 ? Picture.Width : 1;
  PicHeight = Picture.Height > 0 ? Picture.Height : 1;
  TileWidth = PicWidth;
  TileHeight = PicHeight;
  RecountGrid();
}

void TImageListItem::RecountGrid() {
  ColumnCount = TileWidth > 0 ? PicWidth / TileWidth : 1;
  RowCount = TileHeight > 0 ? PicHeight / TileHeight : 1;
}

void TImageListItem::SetTileWidth(int w) {
  TileWidth = w > 0 ? w : PicWidth;
  RecountGrid();
}

void TImageListItem::SetTileHeight(int h) {
  TileHeight = h > 0 ? h : PicHeight;
  RecountGrid();
}

bool TImageListItem::CreateTexture() {
  if (!Filepath.empty()) {
    std::string path = Filepath;
    while (!path.empty() && (path.front() == ' ')) path.erase(path.begin());
    while (!path.empty() && (path.back() == ' ')) path.pop_back();
    if (!path.empty() && path.front() != '/') path = Owner.ExecutableFolder() + path;
    TPicture loaded;
    std::string error;
    if (TPictureDecoder::DecodeFile(path, loaded, error)) SetPicture(std::move(loaded));
  }
  if (Picture.Empty()) return TextureId != 0;
  IRenderBackend* backend = Owner.Backend();
  if (!backend) return false;
  if (TileHeight < 1) TileHeight = PicHeight;
  if (TileWidth < 1) TileWidth = PicWidth;
  if (TextureId == 0) {
    int tw = 0, th = 0;
    TextureId = backend->CreateTexture(Picture.Pixels.data(), Picture.Width, Picture.Height, tw, th);
    if (TextureId == 0) return false;
    TexWidth = tw < 2 ? 2 : tw;
    TexHeight = th < 2 ? 2 : th;
  }
  RecountGrid();
  // The back end holds the only copy from here on, and keeps it through a reset.
  Picture = TPicture{};
  return true;
}

void TImageListItem::ReleaseTexture() {
  if (TextureId != 0) {
    if (IRenderBackend* backend = Owner.Backend()) backend->DestroyTexture(TextureId);
    TextureId = 0;
  }
}

void TImageListItem::Draw(float x, float y, int pattern, const TDrawStyle& style) {
  DrawPattern(nullptr, x, y, pattern, style);
}

void TImageListItem::DrawRect(const TSourceRect& src, float x, float y, const TDrawStyle& style) {
  DrawPattern(&src, x, y, 0, style);
}

void TImageListItem::DrawPattern(const TSourceRect* src, float x, float y, int pattern,
                                 const TDrawStyle& style) {
  if (pattern == NoPattern) return;
  TOmegaScreen* screen = Owner.Screen();
  if (!screen || TextureId == 0) return;
  screen->SetBlendMode(style.Blend);

  TOmegaRenderer& q = Owner.Renderer();
  q.SetColor(style.Argb());
  const float tw = static_cast<float>(TexWidth), th = static_cast<float>(TexHeight);
  float w, h;
  if (src) {
    q.SetTexCoords(src->Left / tw, src->Top / th, src->Right / tw, src->Bottom / th);
    w = static_cast<float>(src->Right - src->Left);
    h = static_cast<float>(src->Bottom - src->Top);
  } else if (pattern == WholePicture) {
    q.SetTexCoords(0, 0, PicWidth / tw, PicHeight / th);
    w = static_cast<float>(TileWidth);
    h = static_cast<float>(TileHeight);
  } else {
    int count = RowCount * ColumnCount;
    if (pattern >= count) pattern = count - 1;
    if (pattern < 0) pattern = 0;
    int col = ColumnCount > 0 ? pattern % ColumnCount : 0;
    int row = ColumnCount > 0 ? pattern / ColumnCount : 0;
    q.SetTexCoords(col * TileWidth / tw, row * TileHeight / th, (col + 1) * TileWidth / tw,
                   (row + 1) * TileHeight / th);
    w = static_cast<float>(TileWidth);
    h = static_cast<float>(TileHeight);
  }
  q.Mirror = style.Mirror;
  q.Flip = style.Flip;
  q.ApplyMirrorFlip();
  q.SetRect(x, y, w, h);
  // The whole picture turns about a point of the whole picture, not of one tile.
  float cw = (pattern == WholePicture && !src) ? static_cast<float>(PicWidth) : w;
  float ch = (pattern == WholePicture && !src) ? static_cast<float>(PicHeight) : h;
  q.Transform(x + style.CenterX * cw, y + style.CenterY * ch, style.ScaleX, style.ScaleY,
              style.Angle);
  screen->BindTexture(TextureId);
  screen->SubmitQuad(q.Corners, 4);
}
