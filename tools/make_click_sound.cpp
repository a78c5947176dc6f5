// make_click_sound OUT.wav: writes the program's click sound, a short wooden
// tap (16-bit mono PCM, 22 050 Hz), so no recorded audio needs to be shipped.

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <numbers>
#include <vector>

namespace {

void PutLittleEndian(std::ofstream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_click_sound OUT.wav\n";
    return 2;
  }
  constexpr int kRate = 22050;
  constexpr int kSamples = kRate * 60 / 1000;  // 60 ms
  std::vector<std::int16_t> samples(kSamples);
  for (int i = 0; i < kSamples; ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double envelope = std::exp(-t * 90.0);
    const double tone = 0.6 * std::sin(2 * std::numbers::pi * 1800 * t) + 0.4 * std::sin(2 * std::numbers::pi * 900 * t);
    samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(envelope * tone * 20000);
  }
  std::ofstream out(argv[1], std::ios::binary);
  const std::uint32_t dataBytes = kSamples * 2;
  out.write("RIFF", 4);
  PutLittleEndian(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  PutLittleEndian(out, 16, 4);
  PutLittleEndian(out, 1, 2);  // PCM
  PutLittleEndian(out, 1, 2);  // mono
  PutLittleEndian(out, kRate, 4);
  PutLittleEndian(out, kRate * 2, 4);
  PutLittleEndian(out, 2, 2);
  PutLittleEndian(out, 16, 2);
  out.write("data", 4);
  PutLittleEndian(out, dataBytes, 4);
  for (std::int16_t sample : samples) PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  return out ? 0 : 1;
}
