#include "platform/locale_info.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>

namespace platform {

char user_decimal_separator() {
  // Ask the user's locale without changing the process's own.
  locale_t user = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (user == static_cast<locale_t>(0)) return '.';
  const char* radix = nl_langinfo_l(RADIXCHAR, user);
  const char separator = (radix != nullptr && radix[0] != '\0' && radix[1] == '\0') ? radix[0] : '.';
  freelocale(user);
  return separator;
}

}  // namespace platform
