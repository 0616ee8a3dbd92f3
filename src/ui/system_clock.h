#pragma once

#include "ui/services.h"

namespace bio {

// Today's local date from the system.
class SystemClock : public Clock {
  public:
    Date today() override;
};

}  // namespace bio
