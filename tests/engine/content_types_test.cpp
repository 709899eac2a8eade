// The content-types template, as resource 363 holds it, and the rule that keeps or replaces a
// salvaged [Content_Types].xml.
#include "engine/content_types.h"

#include <gtest/gtest.h>

#include "platform/resource.h"
#include "support/scratch_folder.h"

namespace xr::engine {
namespace {

// The template rebuilt from its description: the declaration, the root with the Open Packaging
// Conventions namespace for content types, ten children, the end tag; no line break at the end.
std::string ExpectedTemplate() {
  const std::string part = "application/vnd.openxmlformats-";
  const std::string office = part + "officedocument.";
  const auto override = [](const std::string& name, const std::string& type) {
    return "<Override PartName=\"" + name + "\" ContentType=\"" + type + "\"/>";
  };
  const auto byExtension = [](const std::string& ext, const std::string& type) {
    return "<Default Extension=\"" + ext + "\" ContentType=\"" + type + "\"/>";
  };
  const std::string worksheet = office + "spreadsheetml.worksheet+xml";
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
         "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">" +
         override("/xl/theme/theme1.xml", office + "theme+xml") +
         override("/xl/styles.xml", office + "spreadsheetml.styles+xml") +
         byExtension("rels", part + "package.relationships+xml") +
         byExtension("xml", "application/xml") +
         override("/xl/workbook.xml", office + "spreadsheetml.sheet.main+xml") +
         override("/docProps/app.xml", office + "extended-properties+xml") +
         override("/xl/worksheets/sheet2.xml", worksheet) +
         override("/xl/worksheets/sheet3.xml", worksheet) +
         override("/xl/worksheets/sheet1.xml", worksheet) +
         override("/docProps/core.xml", part + "package.core-properties+xml") + "</Types>";
}

TEST(ContentTypes, TemplateResourceIsTheDescribedDocumentByteForByte) {
  const auto resource = platform::FindDataResource(kContentTypesResource);
  ASSERT_TRUE(resource) << "RCDATA 363 is not linked into this executable";
  EXPECT_EQ(resource->size(), 1304u);
  EXPECT_EQ(std::string(*resource), ExpectedTemplate());
}

TEST(ContentTypes, ReplacesAMissingOrShortFileAndKeepsOneOfTheTemplatesLength) {
  const std::string templateBytes(*platform::FindDataResource(kContentTypesResource));
  const struct {
    const char* what;
    std::optional<std::string> salvaged;  // nothing: no file was salvaged
    bool kept;
  } cases[] = {
      {"none salvaged", std::nullopt, false},
      {"empty", std::string(), false},
      {"1303 bytes", std::string(1303, 'x'), false},
      {"1304 bytes of damage", std::string(1304, '\x01'), true},
      {"longer than the template", std::string(5000, 'y'), true},
  };
  for (const auto& c : cases) {
    test::ScratchFolder scratch;
    if (c.salvaged) scratch.Write("[Content_Types].xml", *c.salvaged);
    EXPECT_TRUE(FixContentTypes(scratch.path())) << c.what;
    const std::string now = test::ReadAll(scratch / "[Content_Types].xml");
    EXPECT_EQ(now, c.kept ? *c.salvaged : templateBytes) << c.what;
  }
}

TEST(ContentTypes, AcceptsTheFolderWithATrailingSeparatorAndFailsWithoutAFolder) {
  test::ScratchFolder scratch;
  platform::Path withSeparator = scratch.path();
  withSeparator += platform::Path::preferred_separator;
  EXPECT_TRUE(FixContentTypes(withSeparator));
  EXPECT_EQ(std::filesystem::file_size(scratch / "[Content_Types].xml"), 1304u);
  EXPECT_FALSE(FixContentTypes(scratch / "no such folder"));
}

}  // namespace
}  // namespace xr::engine
