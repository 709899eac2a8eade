// Packs one folder into an archive from the command line, for the checks that hand our archives
// to other ZIP readers. Exit code: 0 complete, 1 some file left out, 2 no complete archive.
#include <cstdio>

#include "platform/text.h"
#include "zip/pack_folder.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: zip_pack FOLDER ARCHIVE\n");
    return 2;
  }
  // Arguments arrive in the process's narrow encoding; the checks pass ASCII paths only.
  const auto result = xr::zip::PackFolder(xr::platform::PathFromUtf8(argv[1]),
                                          xr::platform::PathFromUtf8(argv[2]));
  if (!result.archiveCreated) return 2;
  return result.allFilesAdded ? 0 : 1;
}
