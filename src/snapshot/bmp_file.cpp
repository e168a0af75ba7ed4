// BMP headers written and read by hand, little-endian, no colour table.
#include "bmp_file.h"

#include "bottom_up_rows.h"

namespace {

constexpr std::uint32_t HeaderSize = 14 + 40;

void Put(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t Get(std::string_view in, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i)
    value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(in[at + i])) << (8 * i);
  return value;
}

}  // namespace

std::string EncodeBmp24(std::int32_t width, std::int32_t height, std::span<const std::uint8_t> rows) {
  const auto imageSize = static_cast<std::uint32_t>(BottomUpStride(width)) * static_cast<std::uint32_t>(height);
  std::string out;
  out.reserve(HeaderSize + imageSize);
  out += "BM";
  Put(out, HeaderSize + imageSize, 4);
  Put(out, 0, 4);           // reserved
  Put(out, HeaderSize, 4);  // offset of the pixels
  Put(out, 40, 4);          // BITMAPINFOHEADER
  Put(out, static_cast<std::uint32_t>(width), 4);
  Put(out, static_cast<std::uint32_t>(height), 4);
  Put(out, 1, 2);   // planes
  Put(out, 24, 2);  // bits per pixel
  Put(out, 0, 4);   // BI_RGB
  Put(out, imageSize, 4);
  Put(out, 2835, 4);  // 72 dots per inch, in dots per metre
  Put(out, 2835, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  out.append(reinterpret_cast<const char*>(rows.data()), imageSize);
  return out;
}

std::optional<BmpImage> DecodeBmp24(std::string_view file) {
  if (file.size() < HeaderSize || file.substr(0, 2) != "BM") return std::nullopt;
  const std::uint32_t offset = Get(file, 10, 4);
  const auto width = static_cast<std::int32_t>(Get(file, 18, 4));
  const auto height = static_cast<std::int32_t>(Get(file, 22, 4));
  if (Get(file, 26, 2) != 1 || Get(file, 28, 2) != 24 || Get(file, 30, 4) != 0) return std::nullopt;
  if (width < 0 || height < 0 || width > 65536 || height > 65536) return std::nullopt;
  const std::size_t size = static_cast<std::size_t>(BottomUpStride(width)) * static_cast<std::size_t>(height);
  if (offset < HeaderSize || offset > file.size() || file.size() - offset < size) return std::nullopt;
  BmpImage image;
  image.Width = width;
  image.Height = height;
  image.Rows.assign(file.begin() + offset, file.begin() + offset + size);
  return image;
}

std::uint32_t BmpImage::Pixel(std::int32_t x, std::int32_t y) const {
  return BottomUpPixel(Rows, Width, Height, x, y);
}
