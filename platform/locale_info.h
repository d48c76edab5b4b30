#pragma once

namespace platform {

// The decimal separator of the user's locale ("." or "," mostly).
char user_decimal_separator();

}  // namespace platform
