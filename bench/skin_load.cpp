// Loading a stored skin of the program's size: a 1.2 MB container with a 285 x 210 main
// picture, an 8-bit mask, 8 active pictures and 80 elements, from compressed bytes to
// descriptors.

#include <benchmark/benchmark.h>

#include "skin/data/descriptors.h"
#include "skin/data/skin_container.h"
#include "skin/data/skin_data.h"
#include "skin/data/stored_skin.h"
#include "skin/data/zlib_codec.h"

namespace {

lq::BmpPicture Picture(int w, int h, int bits) {
  lq::BmpPicture p;
  p.bitsPerPixel = bits;
  p.pixels.resize(w, h);
  if (bits <= 8)
    for (int i = 0; i < (1 << bits); ++i) p.palette.push_back(lq::RGB(i, 255 - i, i / 2));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.pixels.setPixel(x, y,
                        bits <= 8 ? p.palette[std::size_t((x * 7 + y) % (1 << bits))]
                                  : lq::RGB(x * 3 + y, (x ^ y) * 5, (x * y) >> 3));
  return p;
}

std::string DefinitionText() {
  lq::SkinIni ini;
  lq::LqSkinData skin;
  skin.skinname = "benchmark";
  skin.mask = "mask.bmp";
  skin.clientrect = {5, 30, 280, 200};
  const char* controls[] = {"button", "panel",    "checkradio", "label",     "stdlabel", "edit",
                            "memo",   "spinedit", "listbox",    "scrollbar", "splitter", "combobox",
                            "tab",    "grid",     "gauge",      "trackbar"};
  const char* objects[] = {"stdbutton", "caption", "menuitem", "mainmenubaritem",
                           "mainmenubarbutton"};
  for (int i = 0; i < 16; ++i) {
    auto d = lq::CreateObjectDescriptor(objects[i % 5], "object" + std::to_string(i));
    d->skinrect = {i, i, i + 20, i + 18};
    skin.ObjectDescriptors.push_back(std::move(d));
  }
  for (int i = 0; i < 64; ++i) {
    auto d = lq::CreateControlDescriptor(controls[i % 16], "control" + std::to_string(i));
    d->skinrect = {i, 2 * i, i + 40, 2 * i + 30};
    d->pictureindex = i % 8;
    skin.ControlDescriptors.push_back(std::move(d));
  }
  skin.SaveToIni(ini);
  return ini.ToText();
}

lq::LqCompressedStoredSkin ProgramSizedStore(std::size_t& containerSize) {
  lq::SkinContainer c;
  c.main = Picture(285, 210, 24);
  c.mask = Picture(285, 210, 8);
  const int sizes[8][3] = {{75, 263, 24},  {28, 21, 24},   {93, 55, 24}, {132, 126, 24},
                           {556, 410, 24}, {219, 178, 24}, {93, 55, 4},  {28, 21, 1}};
  for (const auto& s : sizes) c.active.push_back(Picture(s[0], s[1], s[2]));
  c.text = DefinitionText();
  std::vector<std::uint8_t> container = lq::WriteSkinContainer(c), z;
  containerSize = container.size();
  std::string error;
  lq::DeflateZlib(container.data(), container.size(), z, error);
  lq::LqCompressedStoredSkin store;
  store.SetCompressedData(std::move(z));
  return store;
}

void BM_LoadProgramSizedSkin(benchmark::State& state) {
  std::size_t containerSize = 0;
  lq::LqCompressedStoredSkin store = ProgramSizedStore(containerSize);
  lq::LqSkinData skin;
  for (auto _ : state) {
    if (!skin.LoadCompressedStoredSkin(store)) state.SkipWithError(skin.LastError().c_str());
    benchmark::DoNotOptimize(skin.ControlDescriptors.data());
  }
  state.counters["container_bytes"] = double(containerSize);
  state.counters["compressed_bytes"] = double(store.CompressedData().size());
  state.counters["elements"] =
      double(skin.ControlDescriptors.size() + skin.ObjectDescriptors.size());
}
BENCHMARK(BM_LoadProgramSizedSkin)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
