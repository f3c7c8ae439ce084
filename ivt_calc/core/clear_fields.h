#pragma once
// "Clear": the texts it writes, in order. It leaves the time caption and the options alone,
// and does not bring back the start values.

#include "outcome.h"

namespace ivt {

Writes clear_fields();

} // namespace ivt
