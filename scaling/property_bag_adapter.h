#pragma once
// A container's IPropertyBag seen as the persistence code's bag: values converted with the
// Automation rules, a missing name told apart from one that does not convert.
#include <windows.h>
#include <ocidl.h>

#include "bag_value.h"

namespace amb {

class PropertyBagReader : public BagReader {
 public:
  PropertyBagReader(IPropertyBag& bag, IErrorLog* log) : bag_(bag), log_(log) {}
  ReadStatus Read(std::string_view name, BagType type, BagValue& out) override;

 private:
  IPropertyBag& bag_;
  IErrorLog* log_;
};

class PropertyBagWriter : public BagWriter {
 public:
  explicit PropertyBagWriter(IPropertyBag& bag) : bag_(bag) {}
  bool Write(std::string_view name, const BagValue& value) override;

 private:
  IPropertyBag& bag_;
};

// The VARIANT form of a value and back; FromVariant converts to type first.
HRESULT ToVariant(const BagValue& value, VARIANT* out);
HRESULT FromVariant(const VARIANT& in, BagType type, BagValue& out);

}  // namespace amb
