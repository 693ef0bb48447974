// The request protocol's client: opening and its refusals, the buffer's limits, a lost batch.

#include "services/datalink/addon_client.h"

#include <gtest/gtest.h>

#include <vector>

#include "services/datalink/fake_addon.h"

namespace xaq::services::datalink {
namespace {

class AddonClientTest : public ::testing::Test {
 protected:
  testing::FakeAddon addon;
  AddonClient client;
  std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(4160);
};

TEST_F(AddonClientTest, OpenTradesVersionsAndEveryRefusalLeavesItClosed) {
  EXPECT_EQ(client.open(0, {}), LinkError::kNoBuffer);
  EXPECT_EQ(client.open(0, std::span(buffer).first(31)), LinkError::kNoBuffer);
  // 32 bytes are a buffer, but too small for the connect batch.
  EXPECT_EQ(client.open(0, std::span(buffer).first(32)), LinkError::kRequestTooLarge);
  addon.present = false;
  EXPECT_EQ(client.open(0, buffer), LinkError::kNoAddonWindow);
  addon.present = true;
  addon.put<std::uint32_t>(0x3304, 0x19980004);  // one below the oldest add-on taken
  EXPECT_EQ(client.open(0, buffer), LinkError::kVersionRefused);
  addon.put<std::uint32_t>(0x3304, 0x27500000);
  addon.put<std::uint32_t>(0x3308, 0xFADF0006);
  EXPECT_EQ(client.open(0, buffer), LinkError::kVersionRefused);
  addon.put<std::uint32_t>(0x3308, 0xFADE0006);
  EXPECT_EQ(client.open(7, buffer), LinkError::kWrongSimulator);
  addon.failNext = 1;
  EXPECT_EQ(client.open(0, buffer), LinkError::kExchangeFailed);
  EXPECT_FALSE(client.isOpen());
  EXPECT_EQ(client.read(0x3304, 4, nullptr), LinkError::kNotOpen);
  EXPECT_EQ(client.process(), LinkError::kNotOpen);

  addon.served.clear();
  ASSERT_EQ(client.open(6, buffer), LinkError::kOk);
  using R = testing::FakeAddon::Record;
  EXPECT_EQ(addon.served, (std::vector<std::vector<R>>{{{1, 0x3304, 4}, {1, 0x3308, 4}, {2, 0x330A, 2}}}));
  EXPECT_EQ(addon.clientVersion, 1100);
  EXPECT_EQ(client.addonVersion(), 0x27500000u);
  EXPECT_EQ(client.simulatorVersion(), 6);
  EXPECT_EQ(client.open(0, buffer), LinkError::kAlreadyOpen);
}

TEST_F(AddonClientTest, RequestThatWouldPassTheBufferEndIsRefusedAndNothingIsSent) {
  std::vector<std::uint8_t> large(40000);  // taken only up to the add-on's 32512 bytes
  ASSERT_EQ(client.open(0, large), LinkError::kOk);
  const int messages = addon.messages;
  EXPECT_EQ(client.read(0, 32512 - 20 + 1, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.write(0, 32512 - 16 + 1, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.read(0, 0xFFFFFFFFu, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.process(), LinkError::kNothingQueued);
  EXPECT_EQ(addon.messages, messages);

  EXPECT_EQ(client.read(0, 32512 - 20, nullptr), LinkError::kOk);  // exactly full
  EXPECT_EQ(client.write(0x100, 0, nullptr), LinkError::kRequestTooLarge);
  EXPECT_EQ(client.process(), LinkError::kOk);
  EXPECT_EQ(client.write(0, 32512 - 16, nullptr), LinkError::kOk);
  EXPECT_EQ(client.process(), LinkError::kOk);
}

TEST_F(AddonClientTest, LostBatchLeavesDestinationsAloneAndDoesNotSpoilTheNext) {
  ASSERT_EQ(client.open(0, buffer), LinkError::kOk);
  addon.put<std::uint32_t>(0x3BFC, 0xAABBCCDD);
  std::uint32_t weight = 5;
  std::uint8_t low = 0;
  ASSERT_EQ(client.read(0x3BFC, 4, &weight), LinkError::kOk);
  addon.failNext = 1;
  EXPECT_EQ(client.process(), LinkError::kExchangeFailed);
  EXPECT_EQ(weight, 5u);
  EXPECT_EQ(client.process(), LinkError::kNothingQueued);

  ASSERT_EQ(client.read(0x3BFC, 4, &weight), LinkError::kOk);
  ASSERT_EQ(client.read(0x3BFC, 1, &low), LinkError::kOk);
  EXPECT_EQ(client.process(), LinkError::kOk);
  EXPECT_EQ(weight, 0xAABBCCDDu);
  EXPECT_EQ(low, 0xDD);  // a read fills exactly its own size
}

}  // namespace
}  // namespace xaq::services::datalink
