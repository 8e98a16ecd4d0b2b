// xml_bench [MB]...: loads generated documents (by default 10 MB and 100 MB)
// with our reader and with pugixml, and prints the time per MB of each and
// their ratio, so that both the scaling and the distance to the reference
// show. Each time is the best of three loads. It asserts nothing.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <malloc.h>

#include <pugixml.hpp>

#include "i18n/XmlDocument.h"
#include "platform/CodePage.h"
#include "platform/SystemFileSystem.h"
#include "platform/Utf16Text.h"

namespace {

constexpr int kRuns = 3;

// A catalogue in the style of the files the reader meets: nested elements,
// attributes, references, comments, CDATA and some non-ASCII text.
std::string GenerateDocument(std::size_t bytes) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<catalog>\n";
  xml.reserve(bytes + 4096);
  for (std::size_t i = 0; xml.size() < bytes; ++i) {
    const std::string n = std::to_string(i);
    xml += "  <item id=\"" + n +
           "\" kind='entry'>\n"
           "    <title>Caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87 &amp; item " +
           n +
           "</title>\n"
           "    <price currency=\"EUR\">" +
           std::to_string(i % 1000) +
           ".50</price>\n"
           "    <!-- stock note -->\n"
           "    <desc><![CDATA[raw <b>text</b> of " +
           n +
           "]]></desc>\n"
           "    <flags><new/><sale value=\"yes\"/></flags>\n"
           "  </item>\n";
  }
  return xml + "  <config><last>end</last></config>\n</catalog>\n";
}

template <typename Load>
double BestMilliseconds(Load load) {
  double best = 1e300;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    if (!load()) {
      std::fprintf(stderr, "xml_bench: load failed\n");
      std::exit(1);
    }
    best = std::min(
        best, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

std::u16string CorePath(const std::filesystem::path& p) {
  std::u16string s = p.u16string();
  for (char16_t& c : s)
    if (c == u'/') c = u'\\';
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  // Freed memory stays with the process, so at every size both readers reuse
  // warm pages instead of paying the kernel for fresh ones; otherwise large
  // sizes measure page faults more than parsing.
  mallopt(M_MMAP_MAX, 0);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  std::vector<std::size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::strtoul(argv[i], nullptr, 10));
  if (sizes.empty()) sizes = {10, 100};

  auto fs = zk40::CreateSystemFileSystem();
  auto codePage = zk40::CreateSystemCodePage();
  std::printf("%8s %12s %10s %12s %10s %8s\n", "MB", "zk40 ms", "ms/MB", "pugixml ms", "ms/MB", "ratio");
  std::vector<double> perMb;
  for (std::size_t mb : sizes) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("zk40_xml_bench_" + std::to_string(mb) + ".xml");
    const std::string xml = GenerateDocument(mb << 20);
    std::ofstream(file, std::ios::binary).write(xml.data(), static_cast<std::streamsize>(xml.size()));
    const double size = static_cast<double>(xml.size()) / (1 << 20);

    const double ours = BestMilliseconds([&] {
      zk40::XmlDocument doc(*fs, *codePage);
      return doc.Load(CorePath(file)) && doc.Lookup(u"config", u"last") == u"end";
    });
    const double reference = BestMilliseconds([&] {
      pugi::xml_document doc;
      return static_cast<bool>(doc.load_file(file.c_str())) &&
             std::string(doc.child("catalog").child("config").child_value("last")) == "end";
    });
    std::filesystem::remove(file);
    std::printf("%8.1f %12.1f %10.2f %12.1f %10.2f %8.2f\n", size, ours, ours / size, reference,
                reference / size, ours / reference);
    perMb.push_back(ours / size);
  }
  if (perMb.size() >= 2) {
    std::printf("scaling: ms/MB at the largest size is %.2f times that at the smallest (1.00 = linear)\n",
                perMb.back() / perMb.front());
  }
  return 0;
}
