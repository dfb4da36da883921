#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "skin/data/stored_skin.h"
#include "skin/embedded/embedded_skin.h"

namespace lqtest {

std::unique_ptr<lq::LqSkinData> MakeProgramSkin() {
  auto data = std::make_unique<lq::LqSkinData>();
  lq::LqCompressedStoredSkin store;
  const auto stream = lq::EmbeddedSkinStream();
  std::string error;
  EXPECT_TRUE(store.LoadFromCompressedStream(stream.data(), stream.size(), &error)) << error;
  EXPECT_TRUE(data->LoadCompressedStoredSkin(store)) << data->LastError();
  return data;
}

}  // namespace lqtest
