// Picture names: the extension list, ASCII-only case folding, and what counts as the extension.
#include <gtest/gtest.h>

#include "save/picture_name.h"

namespace {

struct NameCase {
  const char* name;
  bool picture;
};

TEST(IsPictureName, DecidesByTheLastExtensionOfTheOwnName) {
  const NameCase cases[] = {
      {"image1.png", true},
      {"image2.EMF", true},
      {"thumbnail.jpeg", true},
      {"photo.Jpeg", true},
      {"a.jpg", true},
      {"a.bmp", true},
      {"a.GIF", true},
      {".png", true},                 // nothing before the dot is still a name with an extension
      {"archive.tar.png", true},
      {"photo.jpg.bak", false},       // only the last extension counts
      {"a.jpe", false},
      {"a.tif", false},
      {"a.tiff", false},
      {"a.wmf", false},
      {"a.svg", false},
      {"png", false},                 // no dot, no extension
      {"image.", false},
      {"image.png ", false},          // compared exactly, blanks included
      {"image.pngx", false},
      {"image.pn", false},
      {"", false},
      {"xl\\media\\image1.png", true},
      {"xl/media/image1.png", true},
      {"media.png/readme", false},    // the folder part is not the file's own name
      {"image.p\xC5\x83g", false},    // non-ASCII letters never fold onto ASCII ones
      {"image.\xEF\xBD\x90ng", false},// fullwidth p
  };
  for (const auto& c : cases) {
    EXPECT_EQ(xr::save::IsPictureName(c.name), c.picture) << "name: \"" << c.name << "\"";
  }
}

}  // namespace
