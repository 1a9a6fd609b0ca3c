// `volantis4-cli print`: the page image and the PDF written headless by the page-writing module,
// and its failures. (What is on the page is the print tests' subject.)

#include "cli/cli_print.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "cli_run.h"

namespace volantis4 {
namespace {

using testing_support::CliResult;

std::string bytesOf(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A PNG's width and height from its header chunk (big-endian at bytes 16 and 20).
std::uint32_t bigEndianAt(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = at; i < at + 4 && i < bytes.size(); ++i) v = v << 8U | static_cast<unsigned char>(bytes[i]);
  return v;
}

struct CliPrint : ::testing::Test {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("cli-print-" + std::to_string(::getpid()));
  void SetUp() override { std::filesystem::create_directories(dir); }
  void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(CliPrint, WritesThePageImageAndThePdf) {
  PrintOptions options;
  options.png = (dir / "page.png").string();
  options.pdf = (dir / "page.pdf").string();
  std::ostringstream out, err;
  ASSERT_EQ(runPrint(options, out, err), 0) << err.str();
  EXPECT_EQ(out.str(), options.png + "\n" + options.pdf + "\n");
  const std::string png = bytesOf(options.png);
  ASSERT_EQ(png.substr(1, 3), "PNG");
  EXPECT_EQ(bigEndianAt(png, 16), 807u);
  EXPECT_EQ(bigEndianAt(png, 20), 1620u);
  const std::string pdf = bytesOf(options.pdf);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.find("%%EOF", pdf.size() - 16), std::string::npos);
}

TEST_F(CliPrint, RefusedFileAndUnwritableOutputAreErrors) {
  std::ostringstream out, err;
  PrintOptions missing;
  missing.file = "/nonexistent-folder/plane.vn4";
  missing.png = (dir / "never-written.png").string();
  EXPECT_EQ(runPrint(missing, out, err), 2);
  EXPECT_NE(err.str().find("/nonexistent-folder/plane.vn4"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(missing.png));

  PrintOptions unwritable;
  unwritable.png = "/nonexistent-folder/page.png";
  std::ostringstream err2;
  EXPECT_EQ(runPrint(unwritable, out, err2), 2);
  EXPECT_EQ(err2.str(), "The file \"/nonexistent-folder/page.png\" cannot be written: no such file or folder.\n");
}

TEST_F(CliPrint, AMarginBeyondAnyNumberIsRefusedBeforeThePageIsWritten) {
  PrintOptions options;
  options.marginText = "1e308";
  options.png = (dir / "page.png").string();
  std::ostringstream out, err;
  EXPECT_EQ(runPrint(options, out, err), 2);
  EXPECT_EQ(err.str().rfind("--margin 1e308: ", 0), 0u) << err.str();
  EXPECT_FALSE(std::filesystem::exists(options.png));
}

TEST_F(CliPrint, AnEmptyOutputNameIsAUsageError) {
  for (const char* option : {"--pdf", "--png"}) {
    const CliResult r = testing_support::runCliWith({"print", "plane.vn4", option, ""});
    EXPECT_EQ(r.status, 2) << option;
    EXPECT_EQ(r.err.rfind(std::string(option) + ": the output file name is empty\n", 0), 0u) << r.err;
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir));
}

}  // namespace
}  // namespace volantis4
