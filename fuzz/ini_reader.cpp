// Fuzzes the skin.ini grammar, the value readers and every descriptor: reading any text
// either succeeds or stops with SkinFormatError; what was read writes back and reads again
// to the same descriptors.
#include <cstdlib>

#include "skin/data/skin_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lq::SkinIni ini =
      lq::SkinIni::FromText(std::string_view(reinterpret_cast<const char*>(data), size));
  lq::LqSkinData skin;
  try {
    skin.LoadDefinition(ini);
  } catch (const lq::SkinFormatError&) {
    return 0;
  }
  lq::SkinIni written;
  skin.SaveToIni(written);
  lq::LqSkinData back;
  try {
    back.LoadDefinition(lq::SkinIni::FromText(written.ToText()));
  } catch (const lq::SkinFormatError&) {
    std::abort();  // what we write must read back
  }
  lq::SkinIni again;
  back.SaveToIni(again);
  // [FORMINFO] is written after its adjustments, which may adjust again on reading (an
  // unset hit-test point follows a corner point that was clamped): compare the rest.
  written.EraseSection("FORMINFO");
  again.EraseSection("FORMINFO");
  if (again.ToText() != written.ToText()) std::abort();
  return 0;
}
