#pragma once
// A notification area for tests: each request is recorded with a copy of its record, and the
// answers come from a queue (success when it is empty).
#include <cstring>
#include <deque>
#include <vector>

#include "notify_area.h"

namespace os {

struct NotifyRequest {
  DWORD message;
  NOTIFYICONDATAA data;
};

class RecordingNotifyArea final : public NotifyArea {
 public:
  bool Notify(DWORD message, const NOTIFYICONDATAA& data) override {
    NotifyRequest request{message, {}};
    std::memcpy(&request.data, &data, data.cbSize <= sizeof request.data ? data.cbSize : sizeof request.data);
    requests.push_back(request);
    if (answers.empty()) return true;
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  size_t Count(DWORD message) const {
    size_t n = 0;
    for (const NotifyRequest& r : requests) n += r.message == message;
    return n;
  }
  std::vector<NotifyRequest> requests;
  std::deque<bool> answers;
};

}  // namespace os
