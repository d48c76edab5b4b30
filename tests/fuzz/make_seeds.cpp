// Writes a small seed corpus for the fuzz targets: make_seeds DIRECTORY
#include <string>

#include "support/pak_builder.h"

using namespace testing_support;

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  write_file(dir + "/empty.pak", pak_builder{}.build());
  write_file(dir + "/three.pak",
             pak_builder{}.add("a/b/c.txt", "hello").add("intro.bik", "video").add("readme", "").build());
  pak_builder saved;
  saved.add("textures/wall.bmp", std::string(40, 'w')).add("x.dt", "1");
  saved.trailer = true;
  write_file(dir + "/saved.pak", saved.build());
  pak_builder odd;
  pak_entry lying = entry("odd/../name", "abc");
  lying.record_length = 3;
  lying.name_units.push_back(0x0141);
  odd.add(lying).add("", "");
  write_file(dir + "/odd.pak", odd.build());
  write_file(dir + "/not.pak", std::string("PK\3\4 not an archive"));
  return 0;
}
