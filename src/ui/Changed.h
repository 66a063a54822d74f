#pragma once

#include "ui/Observable.h"

namespace dered {

struct Changed {};

} // namespace dered
