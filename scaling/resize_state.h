#pragma once
// The resize state of one control instance, shared by the lifecycle and the resize engine.

namespace amb {

struct ResizeState {
  bool captured = false;  // the first pass, which only records, has run
  float referenceWidth = 0, referenceHeight = 0;  // twips: the inner size the controls correspond to
  float currentWidth = 0, currentHeight = 0;      // twips: measured by the latest pass
  float fontFactor = 0;
};

}  // namespace amb
