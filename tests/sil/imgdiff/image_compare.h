#pragma once
// Compares a rendered image with its reference within a per-pixel tolerance, for the golden-image
// tests: antialiasing may move a channel by a few steps, a real change moves many pixels a lot.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace xaq::golden {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // straight (not premultiplied) 0xAARRGGBB, top row first
};

std::optional<Image> readPng(const std::string& path);
bool writePng(const Image& image, const std::string& path);

struct Tolerance {
  int channel = 8;               // a pixel differs when one channel moves by more than this
  double differingFraction = 0.005;  // the images match while at most this share of pixels differs
};

struct Comparison {
  bool sameSize = false;
  std::size_t differing = 0;
  int largest = 0;  // the largest channel difference seen
  bool matches = false;
  Image diff;       // the reference greyed, differing pixels in red (same size only)
};

Comparison compare(const Image& actual, const Image& reference, const Tolerance& tolerance);

}  // namespace xaq::golden
