#include "bag_stream.h"

#include <gtest/gtest.h>

namespace amb {
namespace {

MemoryBag SampleBag() {
  MemoryBag bag;
  bag.Write("GradientFill", true);
  bag.Write("ScaleX", int16_t{-7});
  bag.Write("GradientColour", int32_t{0x12345678});
  bag.Write("FormOpenTime", 2.5f);
  bag.Write("ReplaceFontsWith", std::string("Arial \xC3\xBC"));
  bag.Write("WindowName", std::string());
  return bag;
}

TEST(BagStream, RoundTripKeepsNamesTypesAndOrder) {
  std::vector<uint8_t> bytes = EncodeBagStream(SampleBag());
  std::optional<MemoryBag> back = DecodeBagStream(bytes.data(), bytes.size());
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, SampleBag());
}

TEST(BagStream, HeaderAnnouncesExactlyTheRest) {
  std::vector<uint8_t> bytes = EncodeBagStream(SampleBag());
  uint8_t header[kBagStreamHeaderSize];
  std::copy_n(bytes.begin(), kBagStreamHeaderSize, header);
  EXPECT_EQ(BagStreamRestLength(header), bytes.size() - kBagStreamHeaderSize);
}

TEST(BagStream, RefusesWhatIsNotAWholeStreamOfOurs) {
  std::vector<uint8_t> good = EncodeBagStream(SampleBag());
  for (size_t cut = 0; cut < good.size(); ++cut)
    EXPECT_FALSE(DecodeBagStream(good.data(), cut)) << "cut at " << cut;

  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_FALSE(DecodeBagStream(longer.data(), longer.size()));

  std::vector<uint8_t> otherVersion = good;
  otherVersion[4] = 2;
  EXPECT_FALSE(DecodeBagStream(otherVersion.data(), otherVersion.size()));

  std::vector<uint8_t> badType = EncodeBagStream([] { MemoryBag b; b.Write("A", true); return b; }());
  badType[kBagStreamHeaderSize + 4 + 2 + 1] = 9;  // the type byte of the only entry
  EXPECT_FALSE(DecodeBagStream(badType.data(), badType.size()));

  uint8_t absurd[kBagStreamHeaderSize] = {'A', 'M', 'B', 'R', 1, 0, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_FALSE(BagStreamRestLength(absurd));
}

TEST(MemoryBag, ReadsConvertOrSayWhyNot) {
  MemoryBag bag;
  bag.Write("MinWidth", int16_t{300});
  bag.Write("Big", int32_t{70000});
  bag.Write("Text", std::string("x"));
  BagValue v;
  EXPECT_EQ(bag.Read("minwidth", BagType::Long, v), ReadStatus::Found);
  EXPECT_EQ(std::get<int32_t>(v), 300);
  EXPECT_EQ(bag.Read("Big", BagType::Integer, v), ReadStatus::Unreadable);
  EXPECT_EQ(bag.Read("Text", BagType::Long, v), ReadStatus::Unreadable);
  EXPECT_EQ(bag.Read("Absent", BagType::Long, v), ReadStatus::Missing);
}

}  // namespace
}  // namespace amb
