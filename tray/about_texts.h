#pragma once
// The about box's texts, made from the program's version block.
#include <string>

namespace tray {

struct AboutVersion {
  std::string fileDescription, legalCopyright, comments;
  int major = 0, minor = 0, revision = 0;
};

struct AboutTextSet {
  std::string caption;  // "About Moxbel Tarnwick v4.5"
  std::string title;    // the file description
  std::string version;  // "Version 4.5", a line break, the legal notice
  std::string comments;
};

// The version block writes a line break as "\n" (either case) and the copyright sign as "(c)"
// (small c only).
AboutTextSet AboutTexts(const AboutVersion& version);

}  // namespace tray
