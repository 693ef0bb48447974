// The request protocol's client: opening with its version checks, the buffer's limits, and what a
// batch does on the way out and back.

#include "services/datalink/addon_client.h"

#include <gtest/gtest.h>

#include <vector>

#include "services/datalink/fake_addon.h"

namespace xaq::services::datalink {
namespace {

using testing::FakeAddon;
using Record = FakeAddon::Record;

class AddonClientTest : public ::testing::Test {
 protected:
  FakeAddon addon;
  AddonClient client;
  std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(4160);
};

TEST_F(AddonClientTest, OpenExchangesVersionWordsAndKeepsTheSimulatorVersion) {
  ASSERT_EQ(client.open(0, buffer), LinkError::kOk);
  EXPECT_TRUE(client.isOpen());
  ASSERT_EQ(addon.served.size(), 1u);
  EXPECT_EQ(addon.served[0], (std::vector<Record>{{1, 0x3304, 4}, {1, 0x3308, 4}, {2, 0x330A, 2}}));
  EXPECT_EQ(addon.clientVersion, 1100);
  EXPECT_EQ(client.addonVersion(), 0x27500000u);
  EXPECT_EQ(client.simulatorVersion(), 6);
  EXPECT_EQ(client.open(0, buffer), LinkError::kAlreadyOpen);
  EXPECT_EQ(addon.served.size(), 1u);
}

TEST_F(AddonClientTest, OpenRefusalsLeaveTheClientClosed) {
  EXPECT_EQ(client.open(0, {}), LinkError::kNoBuffer);
  EXPECT_EQ(client.open(0, std::span(buffer).first(31)), LinkError::kNoBuffer);
  EXPECT_EQ(addon.searches, 0);

  addon.present = false;
  EXPECT_EQ(client.open(0, buffer), LinkError::kNoAddonWindow);
  addon.present = true;

  addon.put<std::uint32_t>(0x3304, 0x19980004);  // one below the oldest add-on taken
  EXPECT_EQ(client.open(0, buffer), LinkError::kVersionRefused);
  addon.put<std::uint32_t>(0x3304, 0x19980005);
  EXPECT_EQ(client.open(0, buffer), LinkError::kOk);
  client.close();

  addon.put<std::uint32_t>(0x3308, 0xFADF0006);
  EXPECT_EQ(client.open(0, buffer), LinkError::kVersionRefused);
  addon.put<std::uint32_t>(0x3308, 0xFADE0006);
  EXPECT_EQ(client.open(7, buffer), LinkError::kWrongSimulator);
  EXPECT_EQ(client.open(6, buffer), LinkError::kOk);
  client.close();

  addon.failNext = 1;
  EXPECT_EQ(client.open(0, buffer), LinkError::kExchangeFailed);
  // A 32-byte buffer is usable but cannot take the connect batch.
  EXPECT_EQ(client.open(0, std::span(buffer).first(32)), LinkError::kRequestTooLarge);
  EXPECT_FALSE(client.isOpen());
  EXPECT_EQ(client.read(0x3304, 4, nullptr), LinkError::kNotOpen);
}

TEST_F(AddonClientTest, RequestsMustLeaveRoomForTheirHeaderAndTheEndWord) {
  ASSERT_EQ(client.open(0, buffer), LinkError::kOk);
  const int messages = addon.messages;
  EXPECT_EQ(client.read(0, 4160 - 20 + 1, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.write(0, 4160 - 16 + 1, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.read(0, 0xFFFFFFFFu, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.bytesQueued(), 0u);
  EXPECT_EQ(client.process(), LinkError::kNothingQueued);
  EXPECT_EQ(addon.messages, messages);  // refused requests send nothing

  EXPECT_EQ(client.read(0, 4160 - 20, nullptr), LinkError::kOk);  // exactly full
  EXPECT_EQ(client.write(0x100, 0, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.process(), LinkError::kOk);
  EXPECT_EQ(client.write(0, 4160 - 16, nullptr), LinkError::kOk);
  EXPECT_EQ(client.process(), LinkError::kOk);
}

TEST_F(AddonClientTest, BufferIsCappedAtTheAddonsLimit) {
  std::vector<std::uint8_t> large(40000);
  ASSERT_EQ(client.open(0, large), LinkError::kOk);
  EXPECT_EQ(client.read(0, 32512 - 20 + 1, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.read(0, 32512 - 20, nullptr), LinkError::kOk);
}

TEST_F(AddonClientTest, ProcessDeliversReadsAndWritesInOrder) {
  ASSERT_EQ(client.open(0, buffer), LinkError::kOk);
  addon.put<std::uint16_t>(0x0BB6, 0x1111);
  std::uint16_t before = 0, after = 0;
  std::uint8_t one = 0;
  const std::int16_t command = -1234;
  ASSERT_EQ(client.read(0x0BB6, 2, &before), LinkError::kOk);
  ASSERT_EQ(client.write(0x0BB6, 2, &command), LinkError::kOk);
  ASSERT_EQ(client.read(0x0BB6, 2, &after), LinkError::kOk);
  ASSERT_EQ(client.read(0x0BB6, 1, &one), LinkError::kOk);
  ASSERT_EQ(client.process(), LinkError::kOk);
  EXPECT_EQ(before, 0x1111);
  EXPECT_EQ(static_cast<std::int16_t>(after), -1234);
  EXPECT_EQ(one, 0x2E);  // the low byte only: a read never writes past its destination
  EXPECT_EQ(addon.get<std::int16_t>(0x0BB6), -1234);
  EXPECT_EQ(client.process(), LinkError::kNothingQueued);
}

TEST_F(AddonClientTest, FailedExchangeLeavesDestinationsAndEmptiesTheQueue) {
  ASSERT_EQ(client.open(0, buffer), LinkError::kOk);
  addon.put<std::uint32_t>(0x3BFC, 77);
  std::uint32_t weight = 5;
  ASSERT_EQ(client.read(0x3BFC, 4, &weight), LinkError::kOk);
  addon.failNext = 1;
  EXPECT_EQ(client.process(), LinkError::kExchangeFailed);
  EXPECT_EQ(weight, 5u);
  EXPECT_EQ(client.process(), LinkError::kNothingQueued);
  ASSERT_EQ(client.read(0x3BFC, 4, &weight), LinkError::kOk);
  EXPECT_EQ(client.process(), LinkError::kOk);  // a later batch is not spoilt by the lost one
  EXPECT_EQ(weight, 77u);
}

}  // namespace
}  // namespace xaq::services::datalink
