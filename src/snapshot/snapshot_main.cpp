// quellora-snapshot: draws the saver's picture for a given moment, without the
// registry, and writes its operation list and (under Windows) its image.
#include <cstdio>
#include <string>
#include <vector>

#include "settings.h"
#include "snapshot_args.h"
#include "snapshot_draw.h"
#include "star_field.h"
#include "text_utf.h"
#include "whole_file.h"

#ifdef _WIN32
#include "wide_text.h"
#endif

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "%s\n", message.c_str());
  return 1;
}

int RunSnapshot(const std::vector<std::string>& args) {
  const auto parsed = ParseSnapshotArgs(args, SnapshotDrawsImages);
  if (const auto* error = std::get_if<SnapshotArgError>(&parsed)) {
    std::fprintf(stderr, "%s\n", error->Message.c_str());
    return 2;
  }
  const SnapshotOptions& options = std::get<SnapshotOptions>(parsed);
  if (options.Help) {
    std::fputs(SnapshotUsage, stdout);
    return 0;
  }

  const PictureSettings settings{
      {options.Rus, options.Stars, options.User ? *options.User : std::u16string(PlaceholderName(options.Rus)),
       options.Birth},
      SnapshotTimeSeparator()};
  const PictureTarget target{options.Width, options.Height, options.Dpi,
                             options.Preview ? PictureKind::Preview : PictureKind::Saver};
  // The same moment always gives the same stars, so snapshots can be compared.
  const ClockReading clock{options.Now, FixedMomentStarSeed(options.Now)};

  const SnapshotPicture picture = DrawSnapshot(settings, target, clock, options.Image.has_value());
  if (!picture.Fault.empty()) return Fail("quellora-snapshot: " + picture.Fault);
  if (options.List) {
    const std::string error = WriteFileWhole(*options.List, FormatOps(picture.Ops));
    if (!error.empty()) return Fail("quellora-snapshot: --list: " + error);
  }
  if (options.Image) {
    const std::string error = WriteFileWhole(*options.Image, picture.Bmp);
    if (!error.empty()) return Fail("quellora-snapshot: --image: " + error);
  }
  return 0;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8FromUtf16(Utf16View(argv[i])));
  return RunSnapshot(args);
}
#else
int main(int argc, char** argv) { return RunSnapshot(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
