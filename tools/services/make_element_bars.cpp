// Writes the element bar pictures of the bazi score page: one PNG per element
// in its colour, shaded from top to bottom, which the page stretches to the
// element's weight:
//   make_element_bars FOLDER
// writes FOLDER/metal.png, wood.png, water.png, fire.png and earth.png.

#include <png.h>

#include <cstdio>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/tool_main.h"

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 14;

struct Bar {
  const char* file;
  unsigned char red, green, blue;
};

// 金 gold, 木 green, 水 blue, 火 red, 土 ochre.
constexpr Bar kBars[] = {{"metal.png", 0xC9, 0xA2, 0x27},
                         {"wood.png", 0x3A, 0x8F, 0x3A},
                         {"water.png", 0x2F, 0x6F, 0xB5},
                         {"fire.png", 0xC8, 0x37, 0x2D},
                         {"earth.png", 0xA8, 0x77, 0x2F}};

unsigned char Shade(unsigned char value, int row) {
  // Lighter at the top, darker at the bottom, as a lit rod.
  const double factor = 1.25 - 0.5 * row / (kHeight - 1);
  const double shaded = value * factor;
  return static_cast<unsigned char>(shaded > 255 ? 255 : shaded);
}

void WriteBar(const std::string& path, const Bar& bar) {
  const std::unique_ptr<FILE, decltype(&std::fclose)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
  if (!file) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) throw std::runtime_error("libpng cannot start");
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng failed on " + path);
  }
  png_init_io(png, file.get());
  png_set_IHDR(png, info, kWidth, kHeight, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<unsigned char> row(kWidth * 3);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      row[x * 3] = Shade(bar.red, y);
      row[x * 3 + 1] = Shade(bar.green, y);
      row[x * 3 + 2] = Shade(bar.blue, y);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
}

}  // namespace

int main(int argc, char** argv) {
  return velmora::tools::RunTool(argc, argv, "make_element_bars", "FOLDER", [](const std::vector<std::string>& args) {
    for (const Bar& bar : kBars) WriteBar(args[0] + "/" + bar.file, bar);
  });
}
