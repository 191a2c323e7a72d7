#include "bag_stream.h"

#include <cstring>
#include <string>

namespace amb {
namespace {

constexpr char kMagic[4] = {'A', 'M', 'B', 'R'};
constexpr uint32_t kMaxRestLength = 16u << 20;

class Writer {
 public:
  void Bytes(const void* p, size_t n) {
    const uint8_t* b = static_cast<const uint8_t*>(p);
    out_.insert(out_.end(), b, b + n);
  }
  template <class T>
  void Int(T v) {
    for (size_t i = 0; i < sizeof(T); ++i) out_.push_back(static_cast<uint8_t>(static_cast<uint64_t>(v) >> (8 * i)));
  }
  std::vector<uint8_t> Take() { return std::move(out_); }

 private:
  std::vector<uint8_t> out_;
};

class Reader {
 public:
  Reader(const uint8_t* p, size_t n) : p_(p), left_(n) {}
  bool Bytes(void* out, size_t n) {
    if (n > left_) return false;
    if (n) std::memcpy(out, p_, n);
    p_ += n;
    left_ -= n;
    return true;
  }
  template <class T>
  bool Int(T& v) {
    uint8_t b[sizeof(T)];
    if (!Bytes(b, sizeof(T))) return false;
    uint64_t u = 0;
    for (size_t i = 0; i < sizeof(T); ++i) u |= static_cast<uint64_t>(b[i]) << (8 * i);
    v = static_cast<T>(u);
    return true;
  }
  bool Text(size_t n, std::string& out) {
    if (n > left_) return false;
    out.assign(reinterpret_cast<const char*>(p_), n);
    p_ += n;
    left_ -= n;
    return true;
  }
  size_t Left() const { return left_; }

 private:
  const uint8_t* p_;
  size_t left_;
};

void EncodeValue(Writer& w, const BagValue& v) {
  w.Int<uint8_t>(static_cast<uint8_t>(v.index()));
  switch (TypeOf(v)) {
    case BagType::Boolean: w.Int<uint8_t>(std::get<bool>(v) ? 1 : 0); break;
    case BagType::Integer: w.Int<uint16_t>(static_cast<uint16_t>(std::get<int16_t>(v))); break;
    case BagType::Long: w.Int<uint32_t>(static_cast<uint32_t>(std::get<int32_t>(v))); break;
    case BagType::Single: {
      uint32_t bits;
      float f = std::get<float>(v);
      std::memcpy(&bits, &f, sizeof bits);
      w.Int<uint32_t>(bits);
      break;
    }
    case BagType::String: {
      const std::string& s = std::get<std::string>(v);
      w.Int<uint32_t>(static_cast<uint32_t>(s.size()));
      w.Bytes(s.data(), s.size());
      break;
    }
  }
}

std::optional<BagValue> DecodeValue(Reader& r) {
  uint8_t type;
  if (!r.Int(type)) return std::nullopt;
  switch (static_cast<BagType>(type)) {
    case BagType::Boolean: {
      uint8_t b;
      if (!r.Int(b)) return std::nullopt;
      return BagValue(b != 0);
    }
    case BagType::Integer: {
      uint16_t u;
      if (!r.Int(u)) return std::nullopt;
      return BagValue(static_cast<int16_t>(u));
    }
    case BagType::Long: {
      uint32_t u;
      if (!r.Int(u)) return std::nullopt;
      return BagValue(static_cast<int32_t>(u));
    }
    case BagType::Single: {
      uint32_t bits;
      if (!r.Int(bits)) return std::nullopt;
      float f;
      std::memcpy(&f, &bits, sizeof f);
      return BagValue(f);
    }
    case BagType::String: {
      uint32_t n;
      std::string s;
      if (!r.Int(n) || !r.Text(n, s)) return std::nullopt;
      return BagValue(std::move(s));
    }
  }
  return std::nullopt;
}

}  // namespace

std::vector<uint8_t> EncodeBagStream(const MemoryBag& bag) {
  Writer w;
  w.Bytes(kMagic, sizeof kMagic);
  w.Int<uint16_t>(kBagStreamVersion);
  Writer rest;
  rest.Int<uint32_t>(static_cast<uint32_t>(bag.Entries().size()));
  for (const auto& [name, value] : bag.Entries()) {
    rest.Int<uint16_t>(static_cast<uint16_t>(name.size()));
    rest.Bytes(name.data(), name.size());
    EncodeValue(rest, value);
  }
  std::vector<uint8_t> restBytes = rest.Take();
  w.Int<uint32_t>(static_cast<uint32_t>(restBytes.size()));
  w.Bytes(restBytes.data(), restBytes.size());
  return w.Take();
}

std::optional<uint32_t> BagStreamRestLength(const uint8_t (&header)[kBagStreamHeaderSize]) {
  Reader r(header, kBagStreamHeaderSize);
  char magic[4];
  uint16_t version;
  uint32_t length;
  r.Bytes(magic, sizeof magic);
  r.Int(version);
  r.Int(length);
  if (std::memcmp(magic, kMagic, sizeof magic) != 0 || version != kBagStreamVersion) return std::nullopt;
  if (length > kMaxRestLength) return std::nullopt;
  return length;
}

std::optional<MemoryBag> DecodeBagStream(const uint8_t* data, size_t size) {
  if (size < kBagStreamHeaderSize) return std::nullopt;
  uint8_t header[kBagStreamHeaderSize];
  std::memcpy(header, data, kBagStreamHeaderSize);
  std::optional<uint32_t> rest = BagStreamRestLength(header);
  if (!rest || *rest != size - kBagStreamHeaderSize) return std::nullopt;
  Reader r(data + kBagStreamHeaderSize, *rest);
  uint32_t count;
  if (!r.Int(count)) return std::nullopt;
  MemoryBag bag;
  for (uint32_t i = 0; i < count; ++i) {
    uint16_t n;
    std::string name;
    if (!r.Int(n) || !r.Text(n, name)) return std::nullopt;
    std::optional<BagValue> value = DecodeValue(r);
    if (!value) return std::nullopt;
    bag.Write(name, *value);
  }
  if (r.Left() != 0) return std::nullopt;
  return bag;
}

}  // namespace amb
