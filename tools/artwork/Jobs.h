#pragma once
// Every picture the generator writes: the skin files of one install language
// and the pictures compiled into the program as resources.

#include <functional>
#include <string>
#include <vector>

#include "Art.h"

namespace zk40::art {

enum class Format { kBmp, kPng, kIco };

struct Job {
  std::string path;  // relative, with forward slashes
  Size size;
  Format format;
  std::function<void(Canvas&)> paint;
  // Icons: one image per size; size.width is unused then.
  std::vector<int> icon_sizes;
};

// Files of the "skins" folder of an install in w's language, relative to
// the skin set's root ("skins/Main_Normal.bmp", ...).
std::vector<Job> SkinJobs(const Words& w);

struct ResourceJob {
  int id;
  const char* type;  // "BITMAP", "PNG" or "ICON"
  Job job;
};
// Resource pictures; english and chinese give the words of the irregular
// buttons' pictures of each layout.
std::vector<ResourceJob> ResourceJobs(const Words& english, const Words& chinese);

// Draws and writes one job below root; false when the file cannot be written.
[[nodiscard]] bool RunJob(const Job& job, const std::string& root);

}  // namespace zk40::art
