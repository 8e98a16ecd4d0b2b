#pragma once
// The update description (update.xml) and the firmware image: where they
// come from, where they are kept, and the checks a downloaded description
// must pass before anything in it is used. Everything from the server is
// untrusted: sizes are capped, the XML must be well formed, and the image
// address must be a web address.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/SharedXmlDocument.h"
#include "platform/FileSystem.h"

namespace zk40 {

inline constexpr std::size_t kMaxDescriptionBytes = 64 * 1024;
inline constexpr std::size_t kMaxFirmwareImageBytes = 4 * 1024 * 1024;
inline constexpr std::size_t kMaxImageAddressUnits = 2048;
inline constexpr std::u16string_view kDescriptionUrlPath = u"/software/zk40/update.xml";

// The update server the program was built for (the build setting ZK40_UPDATE_SERVER).
std::u16string DefaultUpdateServer();

// The server of one run: the override when it is a web address (see
// IsAcceptableImageAddress), else the built-in one; an unusable override is
// ignored rather than leaving the program without a server.
std::u16string ChooseUpdateServer(std::u16string_view override, std::u16string_view builtIn);

// Windows: the environment variable ZK40_UPDATE_SERVER overrides the built-in
// server for this run (how the end-to-end tests point the program at a
// server of their own).
std::u16string UpdateServerOfThisRun();

// server + "/software/zk40/update.xml"; one slash between them.
std::u16string DescriptionUrl(std::u16string_view server);

// Under the install folder.
std::u16string FirmwareFolder(const std::u16string& installFolder);       // FWUpdate\new_version
std::u16string DescriptionPath(const std::u16string& installFolder);      // ...\update.xml
std::u16string FirmwareImagePath(const std::u16string& installFolder);    // ...\OstrelGameDevice.bin
std::u16string FlasherPath(const std::u16string& installFolder);          // FWUpdate\ZizedoRI.exe

struct UpdateDescription {
  std::u16string current;  // the newest version, a decimal text
  std::u16string newfile;  // the address of its image
};

// The description in bytes: nothing when they exceed the cap or the XML is
// not well formed. Missing keys read as empty texts.
std::optional<UpdateDescription> ParseUpdateDescription(SharedXmlDocument& xml, std::vector<std::uint8_t> bytes);

// The description in a file, by the same rules; nothing when it cannot be read.
std::optional<UpdateDescription> ReadUpdateDescription(FileSystem& fs, SharedXmlDocument& xml,
                                                       const std::u16string& path);

// An address the image may be downloaded from: "http://" or "https://"
// (any case) with a host, at most kMaxImageAddressUnits long, without white
// space, control characters or backslashes. A file path or another scheme is
// refused.
bool IsAcceptableImageAddress(std::u16string_view address);

}  // namespace zk40
