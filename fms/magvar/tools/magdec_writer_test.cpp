#include <gtest/gtest.h>

#include <cmath>

#include "fms/base/file_io.h"
#include "fms/magvar/magnetic_variation.h"
#include "fms/magvar/tools/magdec_writer.h"
#include "fms/magvar/tools/wmm_model.h"

namespace xaq::fms::tools {
namespace {

WmmModel loadModel() {
  const auto text = readWholeFile(XAQ_WMM_COF);
  EXPECT_TRUE(text.has_value());
  auto model = WmmModel::parse(text.value_or(""));
  EXPECT_TRUE(model.has_value());
  return model.value_or(WmmModel{});
}

TEST(WmmModel, MatchesPublishedDeclinationsAtSeaLevel) {
  const WmmModel model = loadModel();
  EXPECT_EQ(model.maxDegree(), 12);
  struct Reference {
    double lat, lon, declination;
  };
  const Reference refs[] = {{47.45, -122.31, 15.05}, {40.64, -73.78, -12.62}, {51.47, -0.45, 0.80},
                            {-33.95, 151.18, 12.81}, {50.03, 8.57, 3.51},     {35.55, 139.78, -7.81}};
  for (const Reference& r : refs) {
    EXPECT_NEAR(model.declinationDeg(r.lat, r.lon, 0.0, 2025.0), r.declination, 0.3) << r.lat << " " << r.lon;
  }
}

TEST(WmmModel, RejectsTextWithoutCoefficients) {
  EXPECT_FALSE(WmmModel::parse("").has_value());
  EXPECT_FALSE(WmmModel::parse("2025.0 WMM-2025 11/13/2024\n9999999999\n").has_value());
}

TEST(MagdecWriter, GridValuesRoundTripThroughTheReader) {
  for (const double dec : {0.0, 15.05, -12.62, 179.9, -179.9, -2.95}) {
    EXPECT_NEAR(gridValueToDeg(degToGridValue(dec)), dec, 360.0 / 65536.0) << dec;
  }
}

TEST(MagdecWriter, CommittedSampleFileIsTheGeneratorsOutput) {
  const std::string generated = buildMagdecFile(loadModel(), 2025.0);
  const auto committed = readWholeFile(XAQ_SAMPLE_MAGDEC);
  ASSERT_TRUE(committed.has_value());
  EXPECT_TRUE(*committed == generated) << "regenerate resources/simfolder/Scenery/magdec.bgl with magdec_gen";

  MagneticVariation variation(XAQ_SAMPLE_MAGDEC);
  // Seattle lies in the cell 47 N 122 W; the grid holds that cell's own value.
  EXPECT_NEAR(variation.variationDeg(47.45, -122.31), loadModel().declinationDeg(47.0, -122.0, 0.0, 2025.0), 0.01);
  EXPECT_NEAR(variation.variationDeg(47.45, -122.31), 15.0, 0.6);
}

}  // namespace
}  // namespace xaq::fms::tools
