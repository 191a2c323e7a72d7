#pragma once
// The benchmark's forms: n controls in the mix the figures are quoted for (most with a font, some
// lines, some in frames nested two deep, a few with pictures, a few anchored, one image list
// bound to a toolbar), built over the in-memory host.
#include "fake_host_object.h"

namespace amb::bench {

struct BenchForm {
  test::FakeForm form;
  FlagRecords flags;
};

void BuildFakeForm(BenchForm& bench, int controls);

}  // namespace amb::bench
