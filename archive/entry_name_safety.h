#pragma once
// Whether an entry may be written as a file. An entry's name comes from the
// archive, and the target is built by plain concatenation (directory + path +
// name), so a name such as "../../x" or "C:/x" would point wherever the
// archive's maker wanted. Such names are never written.
#include <string>
#include <string_view>

#include "archive/catalogue.h"

namespace archive {

enum class name_fault {
  none,
  empty_name,         // the stored name ends with "/": no file name to write
  rooted,             // the stored name starts with a separator
  dot_component,      // ".", ".." or any run of dots only (Windows drops trailing dots)
  drive_or_stream,    // a ":" in a component: a drive ("C:") or an NTFS stream ("a:b")
  backslash_in_name,  // would become a separator when the path is built
  control_character,  // C0 (NUL included), DEL or C1
};

// The first fault of the entry's full name (`path` + `name`), or none.
name_fault name_fault_of(const entry_type& entry);

inline bool is_safe_to_write(const entry_type& entry) { return name_fault_of(entry) == name_fault::none; }

// The entry's full stored name ("a/b/c.txt") with control characters shown as
// \xNN, for messages.
std::string printable_name_of(const entry_type& entry);

}  // namespace archive
